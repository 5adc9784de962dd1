// SPDX-License-Identifier: GPL-3.0-or-later
#include <exception>

#include "engine.h"
#include "figure_helpers.h"
#include "runtime/text.h"

namespace lesson {

Engine::Engine(rt::Runtime& runtime, std::string title) : title_(std::move(title)), rt_(runtime) {}

int Engine::Run(const std::function<void()>& mainMenu) {
    bool failed = false;
    try {
        try {
            StartUp();
            mainMenu();
            rt_.programEnded();
            return 0;
        } catch (const RuntimeError& e) {
            failed = true;
            ErrorHandler(e);
        } catch (const rt::FatalError&) {
            // No error screen can be drawn without fonts or pixels.
            throw;
        } catch (const std::exception&) {
            // Anything the language itself raises ends where every error ends.
            failed = true;
            ErrorHandler(RuntimeError{0, kIllegalFunctionCall});
        }
    } catch (const rt::WindowClosed&) {
    }
    return failed ? 3 : 0;
}

void Engine::StartUp() {
    rt_.setTextStyle(rt::gothic());
    rt_.setDrawWidth(3);
    // The seed is hour + minute + second, each read from the clock afresh.
    ReseedRandom();
    if (seedOverride_) rt_.randomize(*seedOverride_);
    entry_ = {.x = 1056, .y = 648};
}

Num Engine::ReseedRandom() {
    const Num seed = rt::val(rt_.time().substr(0, 2)) + rt::val(rt_.time().substr(3, 2)) +
                     rt::val(rt_.time().substr(6, 2));
    rt_.randomize(static_cast<int>(seed));
    return seed;
}

void Engine::ErrorHandler(const RuntimeError& e) {
    rt_.setHidden(false);
    rt_.errorEntered(e.place, e.code);
    rt_.cls();
    planes_.clear();
    const std::string place = rt::str(static_cast<Num>(e.place));
    const std::string code = rt::str(static_cast<Num>(e.code));
    // Face, size and style stay as they were when the error happened.
    rt_.symbol(place + "," + code + "エラーが発生しました。マウスで×をクリックして下さい。", 288, 432, 1, 1,
               ink::accent);
    // Keys change nothing here; only closing the window ends the program.
    rt::WaitScope wait(rt_);
    for (;;) rt_.inkey();
}

}  // namespace lesson
