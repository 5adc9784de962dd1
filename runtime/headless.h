// SPDX-License-Identifier: GPL-3.0-or-later
// A runtime without a window, for tests and the replay tool: keys come from a
// script, the clock is fixed, and the screen can be saved at every wait.
#pragma once

#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "runtime/canvas_runtime.h"

namespace rt {

class HeadlessRuntime : public CanvasRuntime {
public:
    struct Options {
        std::vector<std::string> keys;  // tokens: a character, a key's name (keys.h), Close
        std::string clock = "00:00:00";
        std::string pngDir;  // empty: no pictures
        int scale = 2;
        // Set by replay --topics: a line "chapter C N" for each chapter the
        // main menu offers (N topics) and "topic C I" as each topic begins.
        std::ostream* topics = nullptr;
        // Called as each wait begins, when the canvas holds the screen the
        // pupil then sees and the trace all that drew it.
        std::function<void(HeadlessRuntime&)> atWait;
    };

    explicit HeadlessRuntime(Options options);

    // Splits a blank-separated key script into tokens.
    static std::vector<std::string> splitKeys(std::string_view script);
    // The key a token stands for: a named key's text, "" for Close, else the
    // token itself.
    static std::string keyOf(const std::string& token);

    std::string inkey() override;
    std::string time() override { return clock_; }
    double seconds() override { return seconds_ += 0.01; }
    void beginWait(bool animated) override;
    void endWait() override { waiting_ = false; }
    void programEnded() override;
    void errorEntered(int place, int code) override;
    void chapterOffered(int chapter, int topics) override;
    void topicEntered(int chapter, int topic) override;

    // Saves the final picture; call once when the program has stopped.
    void finish();

    int waits() const { return waits_; }
    bool keysLeft() const { return !keys_.empty(); }

private:
    void snapshot();

    std::deque<std::string> keys_;
    std::string clock_;
    std::string pngDir_;
    std::ostream* topics_ = nullptr;
    std::function<void(HeadlessRuntime&)> atWait_;
    bool waiting_ = false;
    int waits_ = 0;
    int pictures_ = 0;
    double seconds_ = 0;
};

}  // namespace rt
