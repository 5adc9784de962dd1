// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/messages.h"

#include <libintl.h>
#include <unistd.h>

#include <clocale>
#include <filesystem>
#include <system_error>

namespace rt {

namespace {

std::string fill(std::string_view text, std::initializer_list<MessageArg> args, bool local) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '%' || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const char next = text[i + 1];
        if (next == '%') {
            out += '%';
            ++i;
        } else if (next >= '1' && next <= '9' && static_cast<std::size_t>(next - '1') < args.size()) {
            const MessageArg& arg = args.begin()[next - '1'];
            out += local ? arg.local : arg.english;
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

// The catalogues of an executable in PREFIX/bin or in the programs' folder
// PREFIX/libexec/PACKAGE: PREFIX/share/locale, when that holds any.
std::string localeDirBesideExecutable() {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) return "";
    fs::path prefix = exe.parent_path();
    for (int up = 0; up < 2; ++up) {
        prefix = prefix.parent_path();
        const fs::path dir = prefix / "share" / "locale";
        if (fs::is_directory(dir, ec)) return dir.string();
    }
    return "";
}

}  // namespace

void chooseMessageLanguage() {
    if (!std::setlocale(LC_MESSAGES, "")) return;
    const std::string beside = localeDirBesideExecutable();
    bindtextdomain(LESSON_TEXT_DOMAIN, beside.empty() ? LESSON_LOCALE_DIR : beside.c_str());
    // The catalogue is written in UTF-8, as every text the programs show.
    bind_textdomain_codeset(LESSON_TEXT_DOMAIN, "UTF-8");
}

std::string translate(const char* msgid) { return dgettext(LESSON_TEXT_DOMAIN, msgid); }

Message say(const char* msgid, std::initializer_list<MessageArg> args) {
    return {fill(msgid, args, false), fill(translate(msgid), args, true)};
}

}  // namespace rt
