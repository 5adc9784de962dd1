// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/window.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <deque>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/canvas_runtime.h"
#include "runtime/palette.h"
#include "runtime/view_scaler.h"
#include "runtime/wayland_log.h"
#include "runtime/window_icon.h"
#include "runtime/window_keys.h"

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

// Pixels for an X window whose visual SDL has no format for, such as the
// 8-bit TrueColor visual of an 8-bit screen: each 0x00RRGGBB pixel mapped to
// the visual's masks and put with XPutImage.
class XWindowOut {
public:
    ~XWindowOut() { detach(); }

    bool attached() const { return gc_ != nullptr; }

    bool attach(SDL_Window* window) {
        if (attached()) return true;
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
        XWindowAttributes attr;
        if (!XGetWindowAttributes(info.info.x11.display, info.info.x11.window, &attr)) return false;
        // Only a visual whose pixel bits are the colour: TrueColor, or
        // DirectColor, whose colormap SDL fills with linear ramps. A palette
        // visual would need colours allocated first.
        if (attr.visual->c_class != TrueColor && attr.visual->c_class != DirectColor) return false;
        display_ = info.info.x11.display;
        window_ = info.info.x11.window;
        visual_ = attr.visual;
        depth_ = attr.depth;
        channel(red_, visual_->red_mask);
        channel(green_, visual_->green_mask);
        channel(blue_, visual_->blue_mask);
        gc_ = XCreateGC(display_, window_, 0, nullptr);
        return gc_ != nullptr;
    }

    void detach() {
        if (gc_) XFreeGC(display_, gc_);
        gc_ = nullptr;
    }

    bool put(const SDL_Surface* from, const SDL_Rect& r) {
        XImage* img = XCreateImage(display_, visual_, depth_, ZPixmap, 0, nullptr, r.w, r.h, 32, 0);
        if (!img) return false;
        img->data = static_cast<char*>(std::malloc(static_cast<std::size_t>(img->bytes_per_line) * r.h));
        if (!img->data) {
            XDestroyImage(img);
            return false;
        }
        for (int y = 0; y < r.h; ++y) {
            const auto* row =
                reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(from->pixels) +
                                                       static_cast<std::ptrdiff_t>(r.y + y) * from->pitch) +
                r.x;
            for (int x = 0; x < r.w; ++x) {
                const std::uint32_t p = row[x];
                XPutPixel(img, x, y, red_[(p >> 16) & 0xFF] | green_[(p >> 8) & 0xFF] | blue_[p & 0xFF]);
            }
        }
        XPutImage(display_, window_, gc_, img, 0, 0, r.x, r.y, r.w, r.h);
        XDestroyImage(img);  // frees the data too
        XFlush(display_);
        return true;
    }

private:
    // The 8-bit channel levels as pixel bits under mask.
    static void channel(unsigned long (&table)[256], unsigned long mask) {
        int shift = 0, bits = 0;
        while (mask && !((mask >> shift) & 1)) ++shift;
        while ((mask >> (shift + bits)) & 1) ++bits;
        for (unsigned v = 0; v < 256; ++v) {
            const unsigned long level =
                bits >= 8 ? static_cast<unsigned long>(v) << (bits - 8) : v >> (8 - bits);
            table[v] = (level << shift) & mask;
        }
    }

    Display* display_ = nullptr;
    Window window_ = 0;
    Visual* visual_ = nullptr;
    int depth_ = 0;
    GC gc_ = nullptr;
    unsigned long red_[256] = {}, green_[256] = {}, blue_[256] = {};
};

// SDL answers each event that arrives while it waits with a wake-up message
// to the window, sent over a second X connection. When the window is
// destroyed before the server has handled one, the server answers BadWindow,
// and Xlib's default handler would end a clean close with status 1. So an
// error about our own window once it is closing is harmless; any other goes
// to the handler in place before ours.
std::atomic<unsigned long> closingWindow{0};
XErrorHandler earlierXErrorHandler = nullptr;

int onXError(Display* display, XErrorEvent* e) {
    const unsigned long closing = closingWindow.load();
    if (closing != 0 && e->resourceid == closing &&
        (e->error_code == BadWindow || e->error_code == BadDrawable))
        return 0;
    return earlierXErrorHandler ? earlierXErrorHandler(display, e) : 0;
}

// Xlib ends the process when its connection fails, with a line of its own;
// one that failed for want of memory (Xlib's buffers under a memory limit)
// ends as every other shortage does: the program's title, "out of memory"
// (in the user's language too), status 1. The lines are made when the
// handler is put in place, as nothing may be allocated once memory is out.
// Any other failure goes to the handler in place before ours.
std::string outOfMemoryLines;
XIOErrorHandler earlierXIOErrorHandler = nullptr;

int onXIOError(Display* display) {
    if (errno == ENOMEM) {
        std::fputs(outOfMemoryLines.c_str(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    return earlierXIOErrorHandler ? earlierXIOErrorHandler(display) : 0;
}

// Installed before SDL starts video (SDL's own handler passes errors on to
// the one it found), removed after SDL has closed its connections.
class HarmlessClosingWindowErrors {
public:
    explicit HarmlessClosingWindowErrors(const char* title) {
        earlierXErrorHandler = XSetErrorHandler(onXError);
        const Message m = say(N_("out of memory"));
        outOfMemoryLines = std::string(title) + ": " + m.english + "\n";
        if (m.translated()) outOfMemoryLines.insert(0, std::string(title) + ": " + m.local + "\n");
        earlierXIOErrorHandler = XSetIOErrorHandler(onXIOError);
    }
    ~HarmlessClosingWindowErrors() {
        XSetIOErrorHandler(earlierXIOErrorHandler);
        XSetErrorHandler(earlierXErrorHandler);
        closingWindow = 0;
    }
    HarmlessClosingWindowErrors(const HarmlessClosingWindowErrors&) = delete;
    HarmlessClosingWindowErrors& operator=(const HarmlessClosingWindowErrors&) = delete;
};

void windowClosing(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11)
        closingWindow = info.info.x11.window;
}

int scaleForWindow(SDL_Window* window) {
    int w = 0, h = 0;
    SDL_GetWindowSize(window, &w, &h);
    return ViewScaler::scaleFor(w, h);
}

class WindowRuntime : public CanvasRuntime {
public:
    explicit WindowRuntime(SDL_Window* window) : CanvasRuntime(scaleForWindow(window)), window_(window) {
        // Keys are read one by one (window_keys.h); SDL's text input would
        // hand them to an input method first.
        SDL_StopTextInput();
        start_ = std::chrono::steady_clock::now();
        if (const char* path = std::getenv("LESSON_KEY_LOG"); path && *path) keyLog_ = std::fopen(path, "a");
    }
    ~WindowRuntime() override {
        if (keyLog_) std::fclose(keyLog_);
        release();
        x11_.detach();
        windowClosing(window_);
        SDL_DestroyWindow(window_);
    }

    std::string inkey() override {
        pump(0);
        if (keys_.empty()) {
            present();
            logIdle();
            // Sleep on the event queue instead of spinning: until a key when
            // nothing moves on screen, briefly enough for a cursor to blink.
            pump(!waiting_ ? 0 : animated_ ? 100 : 5000);
        }
        if (keys_.empty()) return "";
        std::string k = keys_.front();
        keys_.pop_front();
        ++keysTaken_;
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
    // With LESSON_KEY_LOG naming a file, a line "idle N" each time the
    // program has taken N keys, shown their outcome and waits for more: what
    // the real-window tests wait for instead of guessing with sleeps.
    void logIdle() {
        if (!keyLog_ || keysTaken_ == keysLogged_) return;
        keysLogged_ = keysTaken_;
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        if (SDL_GetWindowWMInfo(window_, &info) && info.subsystem == SDL_SYSWM_X11)
            XSync(info.info.x11.display, False);  // the picture is on the server before the line
        std::fprintf(keyLog_, "idle %lu\n", keysTaken_);
        std::fflush(keyLog_);
    }

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
                if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) release();
                if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
                    e.window.event == SDL_WINDOWEVENT_EXPOSED)
                    wholeFrame_ = true;
                break;
            case SDL_KEYDOWN:
                takeKey(e.key.keysym, e.key.repeat != 0);
                break;
            default:
                break;
        }
    }

    // F11 and Ctrl+Q are the window's; any other key press but a modifier
    // alone goes to the lesson, repeated while held as typing repeats. F11
    // held down switches once.
    void takeKey(const SDL_Keysym& key, bool repeat) {
        switch (windowKey(key)) {
            case WindowKey::fullscreen:
                if (!repeat) toggleFullscreen();
                return;
            case WindowKey::quit:
                throw WindowClosed{};
            case WindowKey::none:
                break;
        }
        if (std::string text = keyText(key); !text.empty()) keys_.push_back(std::move(text));
    }

    // Fullscreen on the window's own screen at the desktop's resolution; the
    // picture keeps its shape, letterboxed as in the window. Back in the
    // window, a maximised window is maximised again (SDL restores the size
    // it was opened at, which with a title bar overflows the screen).
    void toggleFullscreen() {
        const Uint32 flags = SDL_GetWindowFlags(window_);
        const bool full = flags & SDL_WINDOW_FULLSCREEN;
        if (!full) maximisedBeforeFullscreen_ = flags & SDL_WINDOW_MAXIMIZED;
        if (SDL_SetWindowFullscreen(window_, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
            std::fprintf(stderr, "cannot switch fullscreen: %s\n", SDL_GetError());
            return;
        }
        if (full && maximisedBeforeFullscreen_) SDL_MaximizeWindow(window_);
    }

    // Shows what changed since the last present: the damaged canvas pixels,
    // area-averaged onto the window surface; the whole frame after a resize
    // or an expose.
    void present() {
        lastPresent_ = SDL_GetTicks();
        Canvas& c = canvas();
        const PixelRect damage = c.takeDamage();
        if (!ready_ && !acquire()) return;
        WindowRect r = wholeFrame_ ? scaler_.picture() : scaler_.affected(damage);
        if (r.empty()) return;
        // The scaler writes 32-bit XRGB: straight into a window surface of that
        // format, otherwise into the shadow, converted on the way out.
        SDL_Surface* out = shadow_ ? shadow_ : surface_;
        if (wholeFrame_) {
            // Only the letterbox bars: the picture covers the rest.
            const Rgb& bg = paletteColour(15);
            const Uint32 colour = SDL_MapRGB(out->format, bg.r, bg.g, bg.b);
            const WindowRect p = scaler_.picture();
            const SDL_Rect bars[] = {{0, 0, out->w, p.y0},
                                     {0, p.y1, out->w, out->h - p.y1},
                                     {0, p.y0, p.x0, p.y1 - p.y0},
                                     {p.x1, p.y0, out->w - p.x1, p.y1 - p.y0}};
            for (const SDL_Rect& bar : bars)
                if (bar.w > 0 && bar.h > 0) SDL_FillRect(out, &bar, colour);
        }
        if (SDL_MUSTLOCK(out)) SDL_LockSurface(out);
        auto* dst =
            reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(out->pixels) +
                                             static_cast<std::ptrdiff_t>(r.y0) * out->pitch + r.x0 * 4);
        scaler_.render(c.pixels(), c.stride(), r, dst, out->pitch);
        if (SDL_MUSTLOCK(out)) SDL_UnlockSurface(out);
        SDL_Rect shown{r.x0, r.y0, r.x1 - r.x0, r.y1 - r.y0};
        if (wholeFrame_) shown = SDL_Rect{0, 0, out->w, out->h};
        int updated = 0;
        if (x11_.attached()) {
            updated = x11_.put(shadow_, shown) ? 0 : -1;
        } else {
            if (shadow_) {
                SDL_Rect to = shown;
                SDL_BlitSurface(shadow_, &shown, surface_, &to);
            }
            updated = wholeFrame_ ? SDL_UpdateWindowSurface(window_)
                                  : SDL_UpdateWindowSurfaceRects(window_, &shown, 1);
        }
        // A surface gone stale (the window changed size meanwhile) is renewed
        // and shown whole at the next present.
        if (updated != 0) release();
        wholeFrame_ = updated != 0;
    }

    // Finds where presents go: the window surface, with a 32-bit shadow when
    // its format is another; or, where SDL has no pixel format for the
    // window's visual (an 8-bit X screen), the X window itself.
    bool acquire() {
        surface_ = SDL_GetWindowSurface(window_);
        if (!surface_) {
            // A video driver without a surface of its own (Wayland): let
            // SDL back the surface with a texture.
            SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "1");
            surface_ = SDL_GetWindowSurface(window_);
        }
        int w = 0, h = 0;
        if (surface_) {
            w = surface_->w;
            h = surface_->h;
        } else if (x11_.attach(window_)) {
            SDL_GetWindowSize(window_, &w, &h);
        } else {
            // Nothing to show on this time; the whole frame goes out once
            // the surface can be had. A lesson never stops for a picture.
            if (!surfaceFailureReported_) {
                std::fprintf(stderr, "window surface unavailable: %s\n", SDL_GetError());
                surfaceFailureReported_ = true;
            }
            return false;
        }
        const bool direct = surface_ && (surface_->format->format == SDL_PIXELFORMAT_RGB888 ||
                                         surface_->format->format == SDL_PIXELFORMAT_ARGB8888);
        if (!direct) {
            shadow_ = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_RGB888);
            if (!shadow_)
                throw FatalError(say(N_("cannot allocate the window's picture: %1"), {SDL_GetError()}));
        }
        scaler_.resize(w, h, canvas().scale());
        wholeFrame_ = true;
        ready_ = true;
        return true;
    }

    void release() {
        if (shadow_) SDL_FreeSurface(shadow_);
        shadow_ = nullptr;
        surface_ = nullptr;
        ready_ = false;
    }

    SDL_Window* window_ = nullptr;
    SDL_Surface* surface_ = nullptr;  // owned by the window; renewed after a resize
    SDL_Surface* shadow_ = nullptr;   // ours: XRGB8888 when the window takes another format
    XWindowOut x11_;
    bool ready_ = false;
    ViewScaler scaler_;
    bool wholeFrame_ = true;
    bool surfaceFailureReported_ = false;
    std::deque<std::string> keys_;
    bool maximisedBeforeFullscreen_ = false;
    bool waiting_ = false;
    bool animated_ = false;
    unsigned ops_ = 0;
    std::FILE* keyLog_ = nullptr;
    unsigned long keysTaken_ = 0;
    unsigned long keysLogged_ = ~0UL;  // so the first wait, at no key, is logged too
    Uint32 lastCheck_ = 0;
    Uint32 lastPresent_ = 0;
    std::chrono::steady_clock::time_point start_;
};

}  // namespace

namespace {

// SIGTERM and SIGINT while SDL does not handle them: the program has shown
// nothing yet (or nothing more), so it simply ends, with the status a close
// gives.
extern "C" void endAtOnce(int) { _exit(0); }

// The ending signals whose handling is the program's: those not ignored at
// its start (SIGINT behind a shell's &), set by endOnSignalsAtStart().
sigset_t ownEndingSignals;

// Sets the handling of the program's ending signals (endAtOnce, or the
// default where SDL looks for it), blocked meanwhile so that none meets the
// default on the way.
class SignalsBlocked {
public:
    SignalsBlocked() { sigprocmask(SIG_BLOCK, &ownEndingSignals, &previous_); }
    ~SignalsBlocked() { sigprocmask(SIG_SETMASK, &previous_, nullptr); }
    SignalsBlocked(const SignalsBlocked&) = delete;
    SignalsBlocked& operator=(const SignalsBlocked&) = delete;

private:
    sigset_t previous_;
};

void handleOwnEndingSignals(void (*handler)(int)) {
    struct sigaction a {};
    a.sa_handler = handler;
    sigemptyset(&a.sa_mask);
    for (int sig : {SIGTERM, SIGINT})
        if (sigismember(&ownEndingSignals, sig)) sigaction(sig, &a, nullptr);
}

// SDL's events, with its handlers for the ending signals (SDL installs them
// only over the default): a signal from then on is a quit.
bool startEvents() {
    const SignalsBlocked blocked;
    handleOwnEndingSignals(SIG_DFL);
    if (SDL_Init(SDL_INIT_EVENTS) == 0) return true;
    handleOwnEndingSignals(endAtOnce);
    return false;
}

// SDL_Quit, which puts the default back in place of its handlers: the
// program's own ending again.
void quitSdl() {
    const SignalsBlocked blocked;
    SDL_Quit();
    handleOwnEndingSignals(endAtOnce);
}

// How long a start-up failure's message box waits for its OK before the
// program ends anyway: on a screen nobody watches (a kiosk, a CI run, a
// remote session) it would wait for ever. LESSON_MESSAGE_BOX_SECONDS sets
// another delay for tests.
constexpr int kMessageBoxSeconds = 60;

int messageBoxSeconds() {
    const char* s = std::getenv("LESSON_MESSAGE_BOX_SECONDS");
    if (!s || !*s) return kMessageBoxSeconds;
    char* end = nullptr;
    const long n = std::strtol(s, &end, 10);
    return *end == '\0' && n > 0 && n <= 86400 ? static_cast<int>(n) : kMessageBoxSeconds;
}

// The signals that end a program while its message box shows; one the
// program was started with ignored (SIGINT behind a shell's &) stays so.
sigset_t endingSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction now {};
        if (sigaction(sig, nullptr, &now) == 0 && now.sa_handler != SIG_IGN) sigaddset(&set, sig);
    }
    return set;
}

// Shows the message box in a child process, so that the program stays free
// to end it: after messageBoxSeconds() without an answer, or at once on
// SIGTERM, SIGINT or SIGHUP. The child leads a process group of its own:
// SDL shows the box from a further child, and the whole group goes.
void showMessageBox(const char* title, const std::string& why) {
    sigset_t waited = endingSignals(), previous;
    sigaddset(&waited, SIGCHLD);
    sigprocmask(SIG_BLOCK, &waited, &previous);
    const pid_t program = getpid();
    const pid_t child = fork();
    if (child == 0) {
        setpgid(0, 0);
        // SDL draws the box from a further child, which no death signal
        // links to the program: when the program ends, however it ends
        // (SIGKILL and SIGQUIT included), this process ends its whole group.
        struct sigaction endGroup {};
        endGroup.sa_handler = [](int) { kill(0, SIGKILL); };
        sigemptyset(&endGroup.sa_mask);
        sigaction(SIGTERM, &endGroup, nullptr);
        sigset_t mask = previous;
        sigdelset(&mask, SIGTERM);
        sigprocmask(SIG_SETMASK, &mask, nullptr);
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != program) _exit(0);  // the program ended before the link was made
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title, why.c_str(), nullptr);
        _exit(0);
    }
    if (child > 0) {
        setpgid(child, child);
        bool answered = false;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(messageBoxSeconds());
        for (;;) {
            const auto left = deadline - std::chrono::steady_clock::now();
            if (left <= left.zero()) break;
            const auto s = std::chrono::duration_cast<std::chrono::seconds>(left);
            const timespec span{static_cast<time_t>(s.count()),
                                static_cast<long>(std::chrono::nanoseconds(left - s).count())};
            const int sig = sigtimedwait(&waited, nullptr, &span);
            if (sig == -1 && errno == EINTR) continue;
            if (sig != SIGCHLD) break;  // an ending signal, or the time is up
            if (waitpid(child, nullptr, WNOHANG) == child) {
                answered = true;
                break;
            }
        }
        if (!answered) {
            kill(-child, SIGKILL);
            while (waitpid(child, nullptr, 0) == -1 && errno == EINTR) {
            }
        }
    }
    // Without a child there is no box; the reason is on stderr all the same.
    sigprocmask(SIG_SETMASK, &previous, nullptr);
}

// Ends a program that cannot run: the reason on stderr and, where a desktop
// can show one, in a message box (without a display that fails at once).
// SDL must be shut down by then: the box's process inherits no connection.
// A translated reason goes on stderr in both languages (a helper who reads
// no Japanese can still act on it), and in the box only when the Japanese
// face is there to show it (faceUsable), above the English.
int cannotRun(const char* title, const Message& why, bool faceUsable = true) {
    if (why.translated()) std::fprintf(stderr, "%s: %s\n", title, why.local.c_str());
    std::fprintf(stderr, "%s: %s\n", title, why.english.c_str());
    std::fflush(stderr);
    showMessageBox(title, faceUsable && why.translated() ? why.local + "\n\n" + why.english : why.english);
    return 1;
}

Message noDisplay() {
    const char* d = std::getenv("DISPLAY");
    const Message which =
        d && *d ? say(N_("cannot open display \"%1\""), {d}) : say(N_("DISPLAY is not set"));
    return say(N_("no display: set DISPLAY or run from a desktop session (%1)"), {which});
}

// SDL falls back to drivers that show nothing; a lesson there would wait
// invisibly for keys that never come. Only the user may ask for one.
bool showsNothing(const char* driver) {
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    if (asked && *asked) return false;
    return driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
}

// Starts SDL's video, or says why it cannot. With DISPLAY set and no driver
// chosen by the user, the X11 driver and no other: SDL would otherwise take
// a moment's failure to reach a busy X server for no display at all, and
// fall back to a driver that shows nothing. A moment's failure is retried.
Message startVideo() {
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    const char* display = std::getenv("DISPLAY");
    const bool x11 = !(asked && *asked) && display && *display;
    // SDL reads the choice from the environment only; it is set for the
    // start alone.
    if (x11) setenv("SDL_VIDEODRIVER", "x11", 1);
    Message why;
    for (int pause : {50, 100, 200, 400, 800, 0}) {
        if (startEvents() && SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) break;
        if (!x11 || pause == 0) {
            why = say(N_("%1: %2"), {noDisplay(), SDL_GetError()});
            quitSdl();
            break;
        }
        quitSdl();
        SDL_Delay(pause);
    }
    if (x11) unsetenv("SDL_VIDEODRIVER");
    if (!why.english.empty()) return why;
    if (showsNothing(SDL_GetCurrentVideoDriver())) {
        quitSdl();
        return noDisplay();
    }
    return {};
}

}  // namespace

void endOnSignalsAtStart() {
    sigemptyset(&ownEndingSignals);
    for (int sig : {SIGTERM, SIGINT}) {
        struct sigaction now {};
        if (sigaction(sig, nullptr, &now) == 0 && now.sa_handler != SIG_IGN)
            sigaddset(&ownEndingSignals, sig);
    }
    handleOwnEndingSignals(endAtOnce);
    // The command that started the program holds the two blocked while the
    // loader works: one sent meanwhile is taken now, by the handler.
    sigset_t ending;
    sigemptyset(&ending);
    sigaddset(&ending, SIGTERM);
    sigaddset(&ending, SIGINT);
    sigprocmask(SIG_UNBLOCK, &ending, nullptr);
}

int runInWindow(const char* title, const std::function<int(Runtime&)>& program,
                std::span<const std::uint8_t> iconPng) {
    // Before any window: a lesson without its faces would show its menus
    // with every Japanese character missing.
    try {
        loadFonts();
    } catch (const std::bad_alloc&) {
        return cannotRun(title, say(N_("out of memory")), false);
    } catch (const FatalError& e) {
        return cannotRun(title, e.message(), false);
    } catch (const std::exception& e) {
        return cannotRun(title, {e.what(), e.what()}, false);
    }
    // On X, a TrueColor visual: its colours are fixed, where the DirectColor
    // SDL prefers shows right only once its colormap is installed, which
    // on an 8-bit screen without a window manager never happens.
    setenv("SDL_VIDEO_X11_NODIRECTCOLOR", "1", 0);
    quietWaylandWithoutRuntimeDir();
    int status = 0;
    Message failure;
    {
        const HarmlessClosingWindowErrors xErrors(title);
        failure = startVideo();
        if (failure.english.empty()) {
            // The window surface in plain memory, updated a rectangle at a
            // time: with no GPU (Xvfb, remote desktops, many school machines) a
            // texture-backed surface would run a software GL pass over the
            // whole window per present.
            SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
            try {
                WindowRuntime runtime(withIcon(openWindow(title), iconPng));
                status = program(runtime);
            } catch (const std::bad_alloc&) {
                failure = say(N_("out of memory"));
            } catch (const FatalError& e) {
                failure = e.message();
            } catch (const std::exception& e) {
                failure = {e.what(), e.what()};
            }
            // The connections close, and any error still on its way arrives,
            // while the handler is ours.
            quitSdl();
        }
    }
    return failure.english.empty() ? status : cannotRun(title, failure);
}

}  // namespace rt
