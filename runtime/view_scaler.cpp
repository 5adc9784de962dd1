#include "runtime/view_scaler.h"

#include <algorithm>
#include <cmath>

namespace rt {

int ViewScaler::scaleFor(int windowWidth, int windowHeight) {
    const double fit = std::min(windowWidth / double(Canvas::kViewWidth), windowHeight / double(Canvas::kViewHeight));
    return std::clamp(static_cast<int>(std::ceil(fit * 2 - 1e-9)), 2, 4);
}

std::vector<ViewScaler::Taps> ViewScaler::taps(int outCount, int inCount) {
    std::vector<Taps> out(static_cast<std::size_t>(std::max(outCount, 0)));
    const double ratio = inCount / double(std::max(outCount, 1));
    for (int o = 0; o < outCount; ++o) {
        const double from = o * ratio, to = std::min((o + 1) * ratio, double(inCount));
        Taps& t = out[static_cast<std::size_t>(o)];
        t.first = static_cast<int>(std::floor(from));
        for (int i = t.first; i < to; ++i) {
            const double cover = std::min(to, i + 1.0) - std::max(from, double(i));
            // Weights in 1/256 of a pixel: exact for whole ratios.
            const auto w = static_cast<std::uint16_t>(std::lround(cover * 256));
            if (w == 0 && !t.weights.empty()) break;
            t.weights.push_back(w);
            t.total += w;
        }
        if (t.total == 0) {
            t.weights.assign(1, 1);
            t.total = 1;
        }
    }
    return out;
}

void ViewScaler::resize(int windowWidth, int windowHeight, int canvasScale) {
    windowW_ = std::max(windowWidth, 1);
    windowH_ = std::max(windowHeight, 1);
    scale_ = std::max(canvasScale, 1);
    const double fit = std::min(windowW_ / double(Canvas::kViewWidth), windowH_ / double(Canvas::kViewHeight));
    const int w = std::clamp(static_cast<int>(std::lround(Canvas::kViewWidth * fit)), 1, windowW_);
    const int h = std::clamp(static_cast<int>(std::lround(Canvas::kViewHeight * fit)), 1, windowH_);
    picture_.x0 = (windowW_ - w) / 2;
    picture_.y0 = (windowH_ - h) / 2;
    picture_.x1 = picture_.x0 + w;
    picture_.y1 = picture_.y0 + h;
    cols_ = taps(w, Canvas::kViewWidth * scale_);
    rows_ = taps(h, Canvas::kViewHeight * scale_);
}

WindowRect ViewScaler::affected(const PixelRect& damage) const {
    if (damage.empty() || cols_.empty() || rows_.empty()) return {};
    const double sx = cols_.size() / double(Canvas::kViewWidth * scale_);
    const double sy = rows_.size() / double(Canvas::kViewHeight * scale_);
    WindowRect r;
    r.x0 = picture_.x0 + std::max(0, static_cast<int>(std::floor(damage.x0 * sx)) - 1);
    r.y0 = picture_.y0 + std::max(0, static_cast<int>(std::floor(damage.y0 * sy)) - 1);
    r.x1 = picture_.x0 + std::min(static_cast<int>(cols_.size()), static_cast<int>(std::ceil(damage.x1 * sx)) + 1);
    r.y1 = picture_.y0 + std::min(static_cast<int>(rows_.size()), static_cast<int>(std::ceil(damage.y1 * sy)) + 1);
    if (r.empty()) return {};
    return r;
}

void ViewScaler::render(const std::uint8_t* canvas, int canvasStride, const WindowRect& r, std::uint32_t* dst,
                        int dstStride) const {
    for (int wy = r.y0; wy < r.y1; ++wy) {
        const Taps& ty = rows_[static_cast<std::size_t>(wy - picture_.y0)];
        auto* out = reinterpret_cast<std::uint32_t*>(reinterpret_cast<std::uint8_t*>(dst) +
                                                     static_cast<std::ptrdiff_t>(wy - r.y0) * dstStride);
        for (int wx = r.x0; wx < r.x1; ++wx) {
            const Taps& tx = cols_[static_cast<std::size_t>(wx - picture_.x0)];
            std::uint64_t red = 0, green = 0, blue = 0;
            for (std::size_t j = 0; j < ty.weights.size(); ++j) {
                const auto* row = reinterpret_cast<const std::uint32_t*>(
                    canvas + static_cast<std::ptrdiff_t>(ty.first + static_cast<int>(j)) * canvasStride);
                std::uint32_t rr = 0, gg = 0, bb = 0;
                for (std::size_t i = 0; i < tx.weights.size(); ++i) {
                    const std::uint32_t p = row[tx.first + static_cast<int>(i)];
                    const std::uint32_t w = tx.weights[i];
                    rr += ((p >> 16) & 0xFF) * w;
                    gg += ((p >> 8) & 0xFF) * w;
                    bb += (p & 0xFF) * w;
                }
                const std::uint32_t wj = ty.weights[j];
                red += std::uint64_t(rr) * wj;
                green += std::uint64_t(gg) * wj;
                blue += std::uint64_t(bb) * wj;
            }
            const std::uint64_t total = std::uint64_t(tx.total) * ty.total;
            out[wx - r.x0] = static_cast<std::uint32_t>(((red / total) << 16) | ((green / total) << 8) | (blue / total));
        }
    }
}

}  // namespace rt
