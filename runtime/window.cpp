#include "runtime/window.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <deque>
#include <stdexcept>
#include <string>

#include "runtime/canvas_runtime.h"
#include "runtime/palette.h"

namespace rt {
namespace {

// Render at a multiple of the logical size that matches the display, so text
// stays crisp on large screens; 2 at least, for smooth edges.
int scaleForDisplay() {
    SDL_Rect bounds;
    if (SDL_GetDisplayUsableBounds(0, &bounds) != 0) return 2;
    double fit = std::min(bounds.w / double(Canvas::kViewWidth), bounds.h / double(Canvas::kViewHeight));
    return std::clamp(static_cast<int>(std::ceil(fit * 2)), 2, 4);
}

class WindowRuntime : public CanvasRuntime {
public:
    WindowRuntime(const char* title, int scale) : CanvasRuntime(scale) {
        window_ = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, Canvas::kViewWidth,
                                   Canvas::kViewHeight, SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED);
        if (!window_) throw std::runtime_error(SDL_GetError());
        renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_PRESENTVSYNC);
        if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
        if (!renderer_) throw std::runtime_error(SDL_GetError());
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                     Canvas::kViewWidth * scale, Canvas::kViewHeight * scale);
        if (!texture_) throw std::runtime_error(SDL_GetError());
        SDL_StartTextInput();
        start_ = std::chrono::steady_clock::now();
    }
    ~WindowRuntime() override {
        SDL_DestroyTexture(texture_);
        SDL_DestroyRenderer(renderer_);
        SDL_DestroyWindow(window_);
    }

    std::string inkey() override {
        pump(0);
        if (keys_.empty()) {
            present();
            // Sleep on the event queue instead of spinning; short enough that
            // a blinking cursor still blinks.
            pump(waiting_ ? 100 : 0);
        }
        if (keys_.empty()) return "";
        std::string k = keys_.front();
        keys_.pop_front();
        return k;
    }

    std::string time() override {
        std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        char buf[16];
        std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
        return buf;
    }

    double seconds() override {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

    void beginWait() override {
        waiting_ = true;
        present();
    }
    void endWait() override { waiting_ = false; }

protected:
    void drew() override {
        // Long drawing loops still notice a close and show progress now and then.
        if (++ops_ % 512 != 0) return;
        Uint32 now = SDL_GetTicks();
        if (now - lastCheck_ < 30) return;
        lastCheck_ = now;
        pump(0);
        if (now - lastPresent_ > 100) present();
    }

private:
    void pump(int timeoutMs) {
        SDL_Event e;
        bool got = timeoutMs > 0 ? SDL_WaitEventTimeout(&e, timeoutMs) != 0 : SDL_PollEvent(&e) != 0;
        while (got) {
            handle(e);
            got = SDL_PollEvent(&e) != 0;
        }
    }

    void handle(const SDL_Event& e) {
        switch (e.type) {
            case SDL_QUIT:
                throw WindowClosed{};
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_CLOSE) throw WindowClosed{};
                shown_ = 0;  // resized or exposed: show again
                break;
            case SDL_TEXTINPUT:
                // One character per key: the first of what the key typed.
                if (e.text.text[0]) keys_.push_back(firstChar(e.text.text));
                break;
            case SDL_KEYDOWN: {
                std::string k = controlKey(e.key.keysym.sym);
                if (!k.empty()) keys_.push_back(k);
                break;
            }
            default:
                break;
        }
    }

    static std::string firstChar(const char* s) {
        auto c = static_cast<unsigned char>(s[0]);
        int n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : 4;
        return std::string(s, strnlen(s, n));
    }

    // Keys that type no text but are still key presses, as the old keyboard
    // codes gave them.
    static std::string controlKey(SDL_Keycode k) {
        switch (k) {
            case SDLK_RETURN:
            case SDLK_KP_ENTER: return "\r";
            case SDLK_BACKSPACE: return "\b";
            case SDLK_DELETE: return "\x0c";
            case SDLK_ESCAPE: return "\x1b";
            case SDLK_TAB: return "\t";
            case SDLK_RIGHT: return "\x1c";
            case SDLK_LEFT: return "\x1d";
            case SDLK_UP: return "\x1e";
            case SDLK_DOWN: return "\x1f";
            default: return "";
        }
    }

    void present() {
        Canvas& c = canvas();
        lastPresent_ = SDL_GetTicks();
        if (shown_ == c.generation() && shown_ != 0) return;
        shown_ = c.generation();
        int k = c.scale();
        const std::uint8_t* px = c.pixels();
        SDL_UpdateTexture(texture_, nullptr, px, c.stride());
        int ww, wh;
        SDL_GetRendererOutputSize(renderer_, &ww, &wh);
        const Rgb& bg = paletteColour(15);
        SDL_SetRenderDrawColor(renderer_, bg.r, bg.g, bg.b, 255);
        SDL_RenderClear(renderer_);
        double fit = std::min(ww / double(Canvas::kViewWidth), wh / double(Canvas::kViewHeight));
        SDL_Rect dst;
        dst.w = static_cast<int>(Canvas::kViewWidth * fit);
        dst.h = static_cast<int>(Canvas::kViewHeight * fit);
        dst.x = (ww - dst.w) / 2;
        dst.y = (wh - dst.h) / 2;
        SDL_Rect src{0, 0, Canvas::kViewWidth * k, Canvas::kViewHeight * k};
        SDL_RenderCopy(renderer_, texture_, &src, &dst);
        SDL_RenderPresent(renderer_);
    }

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    std::deque<std::string> keys_;
    bool waiting_ = false;
    std::uint64_t shown_ = 0;
    unsigned ops_ = 0;
    Uint32 lastCheck_ = 0;
    Uint32 lastPresent_ = 0;
    std::chrono::steady_clock::time_point start_;
};

}  // namespace

int runInWindow(const char* title, const std::function<int(Runtime&)>& program) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        std::fprintf(stderr, "%s: cannot open a window: %s\n", title, SDL_GetError());
        return 1;
    }
    // Smooth scaling from the oversized canvas to the window.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "best");
    int status = 0;
    try {
        WindowRuntime runtime(title, scaleForDisplay());
        status = program(runtime);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", title, e.what());
        status = 1;
    }
    SDL_Quit();
    return status;
}

}  // namespace rt
