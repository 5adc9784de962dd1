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
#include <vector>

#include "runtime/canvas_runtime.h"
#include "runtime/palette.h"
#include "runtime/view_scaler.h"

namespace rt {
namespace {

// The window: the view's aspect, as large as the display's usable area allows
// (the view's own size when it fits), so a small screen shows the whole picture.
SDL_Window* openWindow(const char* title) {
    int w = Canvas::kViewWidth, h = Canvas::kViewHeight;
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.w > 0 && usable.h > 0) {
        const double fit = std::min(usable.w / double(w), usable.h / double(h));
        w = std::max(1, static_cast<int>(w * fit));
        h = std::max(1, static_cast<int>(h * fit));
    }
    SDL_Window* window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h,
                                          SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED);
    if (!window) throw std::runtime_error(SDL_GetError());
    return window;
}

int scaleForWindow(SDL_Window* window) {
    int w = 0, h = 0;
    SDL_GetWindowSize(window, &w, &h);
    return ViewScaler::scaleFor(w, h);
}

class WindowRuntime : public CanvasRuntime {
public:
    explicit WindowRuntime(SDL_Window* window) : CanvasRuntime(scaleForWindow(window)), window_(window) {
        SDL_StartTextInput();
        start_ = std::chrono::steady_clock::now();
    }
    ~WindowRuntime() override { SDL_DestroyWindow(window_); }

    std::string inkey() override {
        pump(0);
        if (keys_.empty()) {
            present();
            // Sleep on the event queue instead of spinning: until a key when
            // nothing moves on screen, briefly enough for a cursor to blink.
            pump(!waiting_ ? 0 : animated_ ? 100 : 5000);
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

    void beginWait(bool animated) override {
        waiting_ = true;
        animated_ = animated;
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
                // A new size or an uncovered window shows the whole frame once;
                // focus, enter and leave change nothing on screen.
                if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) surface_ = nullptr;
                if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED || e.window.event == SDL_WINDOWEVENT_EXPOSED)
                    wholeFrame_ = true;
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

    // Shows what changed since the last present: the damaged canvas pixels,
    // area-averaged onto the window surface; the whole frame after a resize
    // or an expose.
    void present() {
        lastPresent_ = SDL_GetTicks();
        Canvas& c = canvas();
        const PixelRect damage = c.takeDamage();
        if (!surface_) {
            surface_ = SDL_GetWindowSurface(window_);
            if (!surface_) {
                // A video driver without a surface of its own (Wayland): let
                // SDL back the surface with a texture.
                SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "1");
                surface_ = SDL_GetWindowSurface(window_);
            }
            if (!surface_) {
                // Nothing to show on this time; the whole frame goes out once
                // the surface can be had. A lesson never stops for a picture.
                if (!surfaceFailureReported_) {
                    std::fprintf(stderr, "window surface unavailable: %s\n", SDL_GetError());
                    surfaceFailureReported_ = true;
                }
                return;
            }
            scaler_.resize(surface_->w, surface_->h, c.scale());
            wholeFrame_ = true;
        }
        WindowRect r = wholeFrame_ ? scaler_.picture() : scaler_.affected(damage);
        if (r.empty()) return;
        if (wholeFrame_) {
            // Only the letterbox bars: the picture covers the rest.
            const Rgb& bg = paletteColour(15);
            const Uint32 colour = SDL_MapRGB(surface_->format, bg.r, bg.g, bg.b);
            const WindowRect p = scaler_.picture();
            const SDL_Rect bars[] = {{0, 0, surface_->w, p.y0},
                                     {0, p.y1, surface_->w, surface_->h - p.y1},
                                     {0, p.y0, p.x0, p.y1 - p.y0},
                                     {p.x1, p.y0, surface_->w - p.x1, p.y1 - p.y0}};
            for (const SDL_Rect& bar : bars)
                if (bar.w > 0 && bar.h > 0) SDL_FillRect(surface_, &bar, colour);
        }
        if (SDL_MUSTLOCK(surface_)) SDL_LockSurface(surface_);
        const std::uint8_t* px = c.pixels();
        auto* base = static_cast<std::uint8_t*>(surface_->pixels);
        if (surface_->format->format == SDL_PIXELFORMAT_RGB888 || surface_->format->format == SDL_PIXELFORMAT_ARGB8888) {
            auto* dst = reinterpret_cast<std::uint32_t*>(base + static_cast<std::ptrdiff_t>(r.y0) * surface_->pitch +
                                                         r.x0 * 4);
            scaler_.render(px, c.stride(), r, dst, surface_->pitch);
        } else {
            // Any other surface format: render, then convert.
            const int w = r.x1 - r.x0, h = r.y1 - r.y0;
            convert_.resize(static_cast<std::size_t>(w) * h);
            scaler_.render(px, c.stride(), r, convert_.data(), w * 4);
            SDL_ConvertPixels(w, h, SDL_PIXELFORMAT_RGB888, convert_.data(), w * 4, surface_->format->format,
                              base + static_cast<std::ptrdiff_t>(r.y0) * surface_->pitch +
                                  r.x0 * surface_->format->BytesPerPixel,
                              surface_->pitch);
            convert_.clear();
            convert_.shrink_to_fit();
        }
        if (SDL_MUSTLOCK(surface_)) SDL_UnlockSurface(surface_);
        const SDL_Rect shown{r.x0, r.y0, r.x1 - r.x0, r.y1 - r.y0};
        const int updated =
            wholeFrame_ ? SDL_UpdateWindowSurface(window_) : SDL_UpdateWindowSurfaceRects(window_, &shown, 1);
        // A surface gone stale (the window changed size meanwhile) is renewed
        // and shown whole at the next present.
        if (updated != 0) surface_ = nullptr;
        wholeFrame_ = updated != 0;
    }

    SDL_Window* window_ = nullptr;
    SDL_Surface* surface_ = nullptr;  // owned by the window; renewed after a resize
    ViewScaler scaler_;
    std::vector<std::uint32_t> convert_;
    bool wholeFrame_ = true;
    bool surfaceFailureReported_ = false;
    std::deque<std::string> keys_;
    bool waiting_ = false;
    bool animated_ = false;
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
    // The window surface in plain memory, updated a rectangle at a time: with
    // no GPU (Xvfb, remote desktops, many school machines) a texture-backed
    // surface would run a software GL pass over the whole window per present.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    int status = 0;
    try {
        WindowRuntime runtime(openWindow(title));
        status = program(runtime);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", title, e.what());
        status = 1;
    }
    SDL_Quit();
    return status;
}

}  // namespace rt
