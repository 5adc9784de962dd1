// SPDX-License-Identifier: GPL-3.0-or-later
// A whole frame shared by two threads, when a thread cannot get memory or the
// helper cannot start: the frame comes out as one thread filters it, or the
// filtering thread gets std::bad_alloc; nothing ends the process. A binary of
// its own, as it replaces the allocator to make allocations fail on demand.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <random>
#include <vector>

#include "runtime/canvas.h"
#include "runtime/view_scaler.h"

namespace {

// Which threads' allocations fail: none, the test's own (the one that armed
// the failure), only its large ones (a filter's scratch, not a thread's start),
// every other thread's (the helper's), or all.
enum class Failing { none, caller, callerScratch, others, all };
std::atomic<Failing> failing{Failing::none};
thread_local bool isCaller = false;

bool failsHere(std::size_t n) {
    switch (failing.load(std::memory_order_relaxed)) {
        case Failing::none:
            return false;
        case Failing::caller:
            return isCaller;
        case Failing::callerScratch:
            return isCaller && n >= 1024;
        case Failing::others:
            return !isCaller;
        case Failing::all:
            return true;
    }
    return false;
}

}  // namespace

void* operator new(std::size_t n) {
    if (failsHere(n)) throw std::bad_alloc();
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using rt::Canvas;
using rt::PixelRect;
using rt::ViewScaler;

// Failing allocations for a scope, on the threads f names.
struct FailingAllocations {
    explicit FailingAllocations(Failing f) {
        isCaller = true;
        failing = f;
    }
    ~FailingAllocations() { failing = Failing::none; }
};

struct Frame {
    static constexpr int kScale = 2;
    int width = Canvas::kViewWidth * kScale, height = Canvas::kViewHeight * kScale;
    std::vector<std::uint32_t> canvas;
    Frame() : canvas(static_cast<std::size_t>(width) * height) {
        std::mt19937 rng(42);
        for (std::uint32_t& p : canvas) p = rng() % 3 ? 0x00F0F0F0u : rng();
    }
    const std::uint8_t* bytes() const { return reinterpret_cast<const std::uint8_t*>(canvas.data()); }
};

// The window's whole picture, into out (window-sized).
void renderWhole(const ViewScaler& s, const Frame& f, std::vector<std::uint32_t>& out) {
    const PixelRect p = s.picture();
    s.render(f.bytes(), f.width * 4, p, out.data() + static_cast<std::size_t>(p.y0) * s.windowWidth() + p.x0,
             s.windowWidth() * 4);
}

struct Case {
    const char* what;
    Failing failing;
    bool warm;      // the first thread's scratch already grown by a frame on one thread
    bool finishes;  // the frame comes out whole; otherwise std::bad_alloc on the caller
};

TEST(ViewScalerFailures, AFrameIsFinishedOnOneThreadOrTheCallerGetsBadAlloc) {
    const Frame f;
    const int w = Canvas::kViewWidth, h = Canvas::kViewHeight;
    std::vector<std::uint32_t> want(static_cast<std::size_t>(w) * h);
    {
        ViewScaler one;
        one.resize(w, h, Frame::kScale);
        one.setThreads(1);
        renderWhole(one, f, want);
    }
    const Case cases[] = {
        {"the helper gets no memory", Failing::others, false, true},
        {"the helper gets no memory, warm", Failing::others, true, true},
        // The helper's start needs memory of the caller: it never starts.
        {"the helper cannot start, warm", Failing::caller, true, true},
        {"the caller gets no memory, cold", Failing::caller, false, false},
        // The helper runs while the caller's own rows raise.
        {"the caller's scratch gets no memory, cold", Failing::callerScratch, false, false},
        {"no thread gets memory, cold", Failing::all, false, false},
        {"no thread gets memory, warm", Failing::all, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ViewScaler s;
        s.resize(w, h, Frame::kScale);
        std::vector<std::uint32_t> got(want.size(), 0xAB123456u);
        if (c.warm) {
            s.setThreads(1);
            renderWhole(s, f, got);
            got.assign(want.size(), 0xAB123456u);
        }
        s.setThreads(2);
        bool threw = false;
        {
            const FailingAllocations failure(c.failing);
            try {
                renderWhole(s, f, got);
            } catch (const std::bad_alloc&) {
                threw = true;
            }
        }
        EXPECT_EQ(threw, !c.finishes);
        if (c.finishes) {
            EXPECT_TRUE(got == want) << "the frame differs from one thread's";
        }
        // Memory again: the next frame is whole, on both threads.
        got.assign(want.size(), 0xAB123456u);
        renderWhole(s, f, got);
        EXPECT_TRUE(got == want) << "the frame after the failure differs";
    }
}

// Renders the whole picture with what the process maps now and 2 MB more
// as its address-space limit: no room for a thread's 8 MB stack.
bool renderUnderAddressLimit(const ViewScaler& s, const Frame& f, std::vector<std::uint32_t>& out) {
    unsigned long pages = 0;
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm) return false;
    const bool read = std::fscanf(statm, "%lu", &pages) == 1;
    std::fclose(statm);
    if (!read) return false;
    const rlim_t limit = pages * 4096 + (rlim_t(2) << 20);
    const rlimit as{limit, limit};
    if (setrlimit(RLIMIT_AS, &as) != 0) return false;
    renderWhole(s, f, out);
    return true;
}

// The helper's stack cannot be mapped under the address-space limit (as
// under `ulimit -v`): std::thread raises std::system_error, and the frame is
// filtered on one thread all the same.
TEST(ViewScalerFailures, AHelperThatCannotStartLeavesTheFrameToOneThread) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer's own allocations fail first under an address-space limit";
#endif
    // A fresh process: a stack kept from an earlier test's thread would let
    // the helper start.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const Frame f;
    const int w = Canvas::kViewWidth, h = Canvas::kViewHeight;
    std::vector<std::uint32_t> want(static_cast<std::size_t>(w) * h), got(want.size());
    ViewScaler s;
    s.resize(w, h, Frame::kScale);
    s.setThreads(1);
    renderWhole(s, f, want);
    s.setThreads(2);
    EXPECT_EXIT(std::_Exit(renderUnderAddressLimit(s, f, got) && got == want ? 0 : 1),
                ::testing::ExitedWithCode(0), "");
}

}  // namespace
