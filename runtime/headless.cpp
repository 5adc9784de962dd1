// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/headless.h"

#include <cstdio>
#include <filesystem>
#include <ostream>

#include "runtime/keys.h"

namespace rt {

HeadlessRuntime::HeadlessRuntime(Options options)
    : CanvasRuntime(options.scale),
      keys_(options.keys.begin(), options.keys.end()),
      clock_(std::move(options.clock)),
      pngDir_(std::move(options.pngDir)),
      topics_(options.topics),
      atWait_(std::move(options.atWait)) {
    if (!pngDir_.empty()) std::filesystem::create_directories(pngDir_);
}

std::vector<std::string> HeadlessRuntime::splitKeys(std::string_view script) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < script.size()) {
        while (i < script.size() &&
               (script[i] == ' ' || script[i] == '\n' || script[i] == '\t' || script[i] == '\r'))
            ++i;
        std::size_t j = i;
        while (j < script.size() && script[j] != ' ' && script[j] != '\n' && script[j] != '\t' &&
               script[j] != '\r')
            ++j;
        if (j > i) out.emplace_back(script.substr(i, j - i));
        i = j;
    }
    return out;
}

std::string HeadlessRuntime::keyOf(const std::string& token) {
    if (token == "Close") return "";
    if (const auto text = namedKeyText(token)) return std::string(*text);
    return token;
}

std::string HeadlessRuntime::inkey() {
    // Keys are handed out only while the program waits for the pupil, so a
    // loop that empties the key buffer cannot swallow the script.
    if (!waiting_) return "";
    if (keys_.empty() || keys_.front() == "Close") throw WindowClosed{};
    std::string token = keys_.front();
    keys_.pop_front();
    if (trace()) *trace() << "key " << token << '\n';
    return keyOf(token);
}

void HeadlessRuntime::beginWait(bool) {
    waiting_ = true;
    ++waits_;
    if (atWait_) atWait_(*this);
    snapshot();
}

void HeadlessRuntime::programEnded() {
    if (trace()) *trace() << "end\n";
}

void HeadlessRuntime::errorEntered(int place, int code) {
    if (trace()) *trace() << "error " << place << ' ' << code << '\n';
}

void HeadlessRuntime::chapterOffered(int chapter, int topics) {
    if (topics_) *topics_ << "chapter " << chapter << ' ' << topics << '\n';
}

void HeadlessRuntime::topicEntered(int chapter, int topic) {
    if (topics_) *topics_ << "topic " << chapter << ' ' << topic << '\n';
}

void HeadlessRuntime::finish() {
    if (topics_) topics_->flush();
    snapshot();
    if (trace()) trace()->flush();
}

void HeadlessRuntime::snapshot() {
    if (pngDir_.empty()) return;
    char name[32];
    std::snprintf(name, sizeof name, "%04d.png", ++pictures_);
    canvas().writePng((std::filesystem::path(pngDir_) / name).string());
}

}  // namespace rt
