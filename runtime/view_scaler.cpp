// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/view_scaler.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <new>
#include <system_error>
#include <thread>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define VIEW_SCALER_AVX2 1
#include <immintrin.h>
#endif

namespace rt {

int ViewScaler::scaleFor(int windowWidth, int windowHeight) {
    const double fit =
        std::min(windowWidth / double(Canvas::kViewWidth), windowHeight / double(Canvas::kViewHeight));
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
    const double fit =
        std::min(windowW_ / double(Canvas::kViewWidth), windowH_ / double(Canvas::kViewHeight));
    const int w = std::clamp(static_cast<int>(std::lround(Canvas::kViewWidth * fit)), 1, windowW_);
    const int h = std::clamp(static_cast<int>(std::lround(Canvas::kViewHeight * fit)), 1, windowH_);
    picture_.x0 = (windowW_ - w) / 2;
    picture_.y0 = (windowH_ - h) / 2;
    picture_.x1 = picture_.x0 + w;
    picture_.y1 = picture_.y0 + h;
    cols_ = taps(w, Canvas::kViewWidth * scale_);
    rows_ = taps(h, Canvas::kViewHeight * scale_);
    prepareFilter();
}

WindowRect ViewScaler::affected(const PixelRect& damage) const {
    if (damage.empty() || cols_.empty() || rows_.empty()) return {};
    const double sx = cols_.size() / double(Canvas::kViewWidth * scale_);
    const double sy = rows_.size() / double(Canvas::kViewHeight * scale_);
    WindowRect r;
    r.x0 = picture_.x0 + std::max(0, static_cast<int>(std::floor(damage.x0 * sx)) - 1);
    r.y0 = picture_.y0 + std::max(0, static_cast<int>(std::floor(damage.y0 * sy)) - 1);
    r.x1 = picture_.x0 +
           std::min(static_cast<int>(cols_.size()), static_cast<int>(std::ceil(damage.x1 * sx)) + 1);
    r.y1 = picture_.y0 +
           std::min(static_cast<int>(rows_.size()), static_cast<int>(std::ceil(damage.y1 * sy)) + 1);
    if (r.empty()) return {};
    return r;
}

void ViewScaler::prepareFilter() {
    const int inW = Canvas::kViewWidth * scale_;
    std::size_t maxColTaps = 1;
    std::uint64_t maxColTotal = 1, maxRowTotal = 1;
    maxRowTaps_ = 1;
    for (const Taps& t : cols_) {
        maxColTaps = std::max(maxColTaps, t.weights.size());
        maxColTotal = std::max<std::uint64_t>(maxColTotal, t.total);
    }
    for (const Taps& t : rows_) {
        maxRowTaps_ = std::max(maxRowTaps_, t.weights.size());
        maxRowTotal = std::max<std::uint64_t>(maxRowTotal, t.total);
    }

    // The vector filter loads 4 or 8 canvas pixels a column and keeps every
    // sum, and 256 times the whole weight, below 2^31; otherwise (a window of
    // a few hundred pixels) the portable one serves.
    chunks_ = maxColTaps <= 4 ? 1 : maxColTaps <= 8 ? 2 : 0;
    if (inW < 4 * chunks_ || 256 * maxColTotal * maxRowTotal >= (std::uint64_t(1) << 31) || maxRowTaps_ > 16)
        chunks_ = 0;
#ifdef VIEW_SCALER_AVX2
    if (!__builtin_cpu_supports("avx2") || !__builtin_cpu_supports("fma")) chunks_ = 0;
#else
    chunks_ = 0;
#endif
    const std::size_t n = chunks_ ? cols_.size() : 0;
    // A spare column of no weight past the last.
    colStart_.assign(n + 1, 0);
    colLanes_.assign((n + 1) * 16 * static_cast<std::size_t>(chunks_), 0);
    colTotal2_.assign(2 * n + 2, 1);
    colRecip2_.assign(2 * n + 2, 1.0f);
    for (std::size_t o = 0; o < n; ++o) {
        const Taps& t = cols_[o];
        // Loads stay inside the view's pixels, so near its right edge they start earlier.
        const int start = std::clamp(t.first, 0, inW - 4 * chunks_);
        colStart_[o] = start * 4;
        std::int16_t* lanes = colLanes_.data() + o * 16 * static_cast<std::size_t>(chunks_);
        for (std::size_t i = 0; i < t.weights.size(); ++i) {
            // Loaded pixel k: in its chunk's lanes, once for each channel.
            const int k = t.first - start + static_cast<int>(i);
            for (int channel = 0; channel < 4; ++channel)
                lanes[(k / 4) * 16 + channel * 4 + k % 4] = static_cast<std::int16_t>(t.weights[i]);
        }
        colTotal2_[2 * o] = colTotal2_[2 * o + 1] = t.total;
        colRecip2_[2 * o] = colRecip2_[2 * o + 1] = 1.0f / static_cast<float>(t.total);
    }
}

void ViewScaler::beginSums(Scratch& s, int columns, int tiles) const {
    // Whole pairs of columns, and a spare.
    s.slotStride = (static_cast<std::size_t>(columns) / 2 + 2) * 8;
    const std::size_t slots = maxRowTaps_ + 1;
    if (s.sums.size() < slots * s.slotStride) s.sums.resize(slots * s.slotStride);
    s.tiles = tiles;
    s.slotRow.assign(slots * static_cast<std::size_t>(tiles), -1);
}

const std::uint32_t* ViewScaler::sumsOf(Scratch& s, const std::uint8_t* canvas, int canvasStride,
                                        int canvasRow, int c0, int c1) const {
    const std::size_t slot = static_cast<std::size_t>(canvasRow) % (maxRowTaps_ + 1);
    std::uint32_t* out = s.sums.data() + slot * s.slotStride;
    if (s.slotRow[slot] != canvasRow) {
        sumAcross(canvas + static_cast<std::ptrdiff_t>(canvasRow) * canvasStride, c0, c1, out);
        s.slotRow[slot] = canvasRow;
    }
    return out;
}

namespace {

// Where channel ch (blue 0, green 1, red 2) of column c lies in a row of sums.
inline std::size_t lane(std::size_t c, int ch) {
    return (c / 2) * 8 + static_cast<std::size_t>(ch / 2) * 4 + (c % 2) * 2 +
           static_cast<std::size_t>(ch % 2);
}

// The window pixel from its column's sums over the row taps, divided by the
// whole weight exactly as the two-dimensional average does.
std::uint32_t finishPixel(const std::uint32_t* const* sums, const std::uint16_t* weights, std::size_t taps,
                          std::size_t column, std::uint64_t total) {
    std::uint64_t b = 0, g = 0, r = 0;
    for (std::size_t j = 0; j < taps; ++j) {
        b += std::uint64_t(sums[j][lane(column, 0)]) * weights[j];
        g += std::uint64_t(sums[j][lane(column, 1)]) * weights[j];
        r += std::uint64_t(sums[j][lane(column, 2)]) * weights[j];
    }
    return static_cast<std::uint32_t>(((r / total) << 16) | ((g / total) << 8) | (b / total));
}

}  // namespace

void ViewScaler::sumAcross(const std::uint8_t* row, int c0, int c1, std::uint32_t* out) const {
    const auto* px = reinterpret_cast<const std::uint32_t*>(row);
    for (int c = c0; c < c1; ++c) {
        const Taps& t = cols_[static_cast<std::size_t>(c)];
        std::uint32_t rr = 0, gg = 0, bb = 0;
        for (std::size_t i = 0; i < t.weights.size(); ++i) {
            const std::uint32_t p = px[t.first + static_cast<int>(i)];
            const std::uint32_t w = t.weights[i];
            rr += ((p >> 16) & 0xFF) * w;
            gg += ((p >> 8) & 0xFF) * w;
            bb += (p & 0xFF) * w;
        }
        const auto k = static_cast<std::size_t>(c - c0);
        out[lane(k, 0)] = bb;
        out[lane(k, 1)] = gg;
        out[lane(k, 2)] = rr;
    }
}

void ViewScaler::renderPortable(Scratch& s, const std::uint8_t* canvas, int canvasStride, const WindowRect& r,
                                std::uint32_t* dst, int dstStride) const {
    const int c0 = r.x0 - picture_.x0, c1 = r.x1 - picture_.x0;
    beginSums(s, c1 - c0, 1);
    s.rowSums.resize(maxRowTaps_);
    const std::uint32_t** sums = s.rowSums.data();
    for (int wy = r.y0; wy < r.y1; ++wy) {
        const Taps& ty = rows_[static_cast<std::size_t>(wy - picture_.y0)];
        for (std::size_t j = 0; j < ty.weights.size(); ++j)
            sums[j] = sumsOf(s, canvas, canvasStride, ty.first + static_cast<int>(j), c0, c1);
        auto* out = reinterpret_cast<std::uint32_t*>(reinterpret_cast<std::uint8_t*>(dst) +
                                                     static_cast<std::ptrdiff_t>(wy - r.y0) * dstStride);
        for (int c = c0; c < c1; ++c)
            out[c - c0] =
                finishPixel(sums, ty.weights.data(), ty.weights.size(), static_cast<std::size_t>(c - c0),
                            std::uint64_t(cols_[static_cast<std::size_t>(c)].total) * ty.total);
    }
}

#ifdef VIEW_SCALER_AVX2

namespace {

#define AVX2_FMA __attribute__((target("avx2,fma")))

// No colour: the pixels differ (a colour has no alpha bits).
constexpr std::uint32_t kMixed = 0xFFFFFFFF;

// The weighted sums of one window column's loaded canvas pixels: per 16-byte
// chunk, each channel's four pixels side by side (blue, green in the low half;
// red, unused in the high), multiplied by their weights and added in pairs.
template <int Chunks>
AVX2_FMA __attribute__((always_inline)) inline __m256i columnSums(const std::uint8_t* px,
                                                                  const std::int16_t* lanes) {
    const __m256i split = _mm256_setr_epi8(0, -1, 4, -1, 8, -1, 12, -1, 1, -1, 5, -1, 9, -1, 13, -1,  //
                                           2, -1, 6, -1, 10, -1, 14, -1, 3, -1, 7, -1, 11, -1, 15, -1);
    __m256i sum = _mm256_madd_epi16(
        _mm256_shuffle_epi8(
            _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(px))), split),
        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(lanes)));
    if constexpr (Chunks == 2)
        sum = _mm256_add_epi32(
            sum, _mm256_madd_epi16(_mm256_shuffle_epi8(_mm256_broadcastsi128_si256(_mm_loadu_si128(
                                                           reinterpret_cast<const __m128i*>(px + 16))),
                                                       split),
                                   _mm256_loadu_si256(reinterpret_cast<const __m256i*>(lanes + 16))));
    return sum;
}

template <int Chunks>
AVX2_FMA void sumRow(const std::uint8_t* row, const std::int32_t* start, const std::int16_t* lanes, int n,
                     std::uint32_t* out) {
    // Whole pairs: with an odd count the last pair's second column is the
    // next one, or the spare column past the picture's edge.
    for (std::uint32_t* const end = out + static_cast<std::ptrdiff_t>(n + 1) / 2 * 8; out != end;
         out += 8, start += 2, lanes += 32 * Chunks) {
        const __m256i a = columnSums<Chunks>(row + start[0], lanes);
        const __m256i b = columnSums<Chunks>(row + start[1], lanes + 16 * Chunks);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), _mm256_hadd_epi32(a, b));
    }
}

// floor(S / T) for a pair of columns: a float quotient nudged up by less than
// any quotient's distance to the next whole number, then one step back where
// it overshot.
AVX2_FMA __attribute__((always_inline)) inline __m256i divide(__m256i sums, const std::uint32_t* total2,
                                                              const float* recip2, __m256i rowTotal,
                                                              __m256 rowRecip) {
    const __m256i total = _mm256_mullo_epi32(
        _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(total2))), rowTotal);
    const __m256 recip =
        _mm256_mul_ps(_mm256_broadcast_ps(reinterpret_cast<const __m128*>(recip2)), rowRecip);
    const __m256i q =
        _mm256_cvttps_epi32(_mm256_fmadd_ps(_mm256_cvtepi32_ps(sums), recip, _mm256_set1_ps(1.0f / 1024)));
    return _mm256_add_epi32(q, _mm256_cmpgt_epi32(_mm256_mullo_epi32(q, total), sums));
}

template <int Taps>
AVX2_FMA void finishRow(const std::uint32_t* const* sums, const std::uint16_t* weights, std::size_t taps,
                        const std::uint32_t* total2, const float* recip2, std::uint32_t rowTotal,
                        float rowRecip, int n, std::uint32_t* out) {
    const std::size_t k = Taps > 0 ? static_cast<std::size_t>(Taps) : taps;
    __m256i w[16];
    for (std::size_t j = 0; j < k; ++j) w[j] = _mm256_set1_epi32(weights[j]);
    const __m256i ty = _mm256_set1_epi32(static_cast<int>(rowTotal));
    const __m256 ry = _mm256_set1_ps(rowRecip);
    const __m128i rgb = _mm_set1_epi32(0x00FFFFFF);
    for (int i = 0; i + 4 <= n; i += 4) {
        __m256i s01 = _mm256_setzero_si256(), s23 = _mm256_setzero_si256();
        for (std::size_t j = 0; j < k; ++j) {
            const auto* p = reinterpret_cast<const __m256i*>(sums[j] + static_cast<std::ptrdiff_t>(i) * 4);
            s01 = _mm256_add_epi32(s01, _mm256_mullo_epi32(_mm256_loadu_si256(p), w[j]));
            s23 = _mm256_add_epi32(s23, _mm256_mullo_epi32(_mm256_loadu_si256(p + 1), w[j]));
        }
        const __m256i q01 = divide(s01, total2 + 2 * i, recip2 + 2 * i, ty, ry);
        const __m256i q23 = divide(s23, total2 + 2 * i + 4, recip2 + 2 * i + 4, ty, ry);
        // Blue and green of the four pixels in the low half, red in the high;
        // as bytes, then each pixel's blue-green next to its red.
        const __m256i bytes = _mm256_packus_epi16(_mm256_packus_epi32(q01, q23), _mm256_setzero_si256());
        const __m128i px =
            _mm_unpacklo_epi16(_mm256_castsi256_si128(bytes), _mm256_extracti128_si256(bytes, 1));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_and_si128(px, rgb));
    }
}

// Eight pixels' bits that differ from a colour's.
AVX2_FMA __attribute__((always_inline)) inline __m256i differs(const std::uint8_t* px, __m256i colour) {
    return _mm256_xor_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(px)), colour);
}

// The colour of the pixels [x0, x1) of canvas rows [row, row + rows) when
// they all have one (alpha aside), or kMixed. Mostly pixels that differ do so
// in the first eight, so a tile to be summed costs a glance.
AVX2_FMA __attribute__((always_inline)) inline std::uint32_t colourOf(const std::uint8_t* row, int stride,
                                                                      int rows, int x0, int x1) {
    const std::uint8_t* first = row + std::ptrdiff_t(x0) * 4;
    std::uint32_t c;
    std::memcpy(&c, first, 4);
    const int n = x1 - x0;
    if (n < 8) {
        for (int j = 0; j < rows; ++j, first += stride)
            for (int x = 0; x < n; ++x) {
                std::uint32_t p;
                std::memcpy(&p, first + 4 * x, 4);
                if ((p ^ c) & 0x00FFFFFF) return kMixed;
            }
        return c & 0x00FFFFFF;
    }
    const __m256i want = _mm256_set1_epi32(static_cast<int>(c)), rgb = _mm256_set1_epi32(0x00FFFFFF);
    for (int j = 0; j < rows; ++j, first += stride)
        if (!_mm256_testz_si256(differs(first, want), rgb)) return kMixed;
    // Eight pixels at a time, the last eight overlapping the rest.
    __m256i diff = _mm256_setzero_si256();
    first = row + std::ptrdiff_t(x0) * 4;
    for (int j = 0; j < rows; ++j, first += stride) {
        diff = _mm256_or_si256(diff, differs(first + 4 * (n - 8), want));
        for (int x = 8; x + 8 < n; x += 8) diff = _mm256_or_si256(diff, differs(first + 4 * x, want));
    }
    return _mm256_testz_si256(diff, rgb) ? c & 0x00FFFFFF : kMixed;
}

AVX2_FMA void fillTile(std::uint32_t* out, int n, std::uint32_t colour) {
    const __m256i v = _mm256_set1_epi32(static_cast<int>(colour));
    int x = 0;
    for (; x + 8 <= n; x += 8) _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x), v);
    std::fill(out + x, out + n, colour);
}

}  // namespace

AVX2_FMA void ViewScaler::sumAcrossAvx2(const std::uint8_t* row, int c0, int c1, std::uint32_t* out) const {
    const std::int32_t* start = colStart_.data() + c0;
    const std::int16_t* lanes = colLanes_.data() + static_cast<std::ptrdiff_t>(c0) * 16 * chunks_;
    if (chunks_ == 1)
        sumRow<1>(row, start, lanes, c1 - c0, out);
    else
        sumRow<2>(row, start, lanes, c1 - c0, out);
}

void ViewScaler::sumTiles(Scratch& s, std::size_t slot, const std::uint8_t* canvas, int canvasStride,
                          int canvasRow, int c0, int n, int t0, int t1) const {
    int* held = s.slotRow.data() + slot * static_cast<std::size_t>(s.tiles);
    const std::uint8_t* row = canvas + static_cast<std::ptrdiff_t>(canvasRow) * canvasStride;
    std::uint32_t* out = s.sums.data() + slot * s.slotStride;
    // Each run of tiles not yet summed for this row, in one pass.
    for (int t = t0; t < t1;) {
        if (held[t] == canvasRow) {
            ++t;
            continue;
        }
        int u = t;
        while (u < t1 && held[u] != canvasRow) held[u++] = canvasRow;
        const int a = t * kTile, b = std::min(n, u * kTile);
        sumAcrossAvx2(row, c0 + a, c0 + b, out + static_cast<std::ptrdiff_t>(a) * 4);
        t = u;
    }
}

AVX2_FMA void ViewScaler::renderAvx2(Scratch& s, const std::uint8_t* canvas, int canvasStride,
                                     const WindowRect& r, std::uint32_t* dst, int dstStride) const {
    const int c0 = r.x0 - picture_.x0, c1 = r.x1 - picture_.x0, n = c1 - c0;
    const int tiles = (n + kTile - 1) / kTile;
    beginSums(s, n, tiles);
    const std::size_t slots = maxRowTaps_ + 1;
    s.tileColour.resize(static_cast<std::size_t>(tiles));
    // The canvas pixels under each tile's columns.
    s.tileSpan.resize(2 * static_cast<std::size_t>(tiles));
    for (int tile = 0; tile < tiles; ++tile) {
        const Taps& right = cols_[static_cast<std::size_t>(c0 + std::min(n, (tile + 1) * kTile) - 1)];
        s.tileSpan[2 * tile] = cols_[static_cast<std::size_t>(c0 + tile * kTile)].first;
        s.tileSpan[2 * tile + 1] = right.first + static_cast<int>(right.weights.size());
    }
    const std::uint32_t* sums[16];
    std::size_t slot[16];
    for (int wy = r.y0; wy < r.y1; ++wy) {
        const Taps& ty = rows_[static_cast<std::size_t>(wy - picture_.y0)];
        const std::size_t k = ty.weights.size();
        for (std::size_t j = 0; j < k; ++j) slot[j] = (static_cast<std::size_t>(ty.first) + j) % slots;
        // Most of a lesson's screen is one colour: the average of equal pixels
        // is their colour, found by comparing rather than summing.
        const std::uint8_t* top = canvas + static_cast<std::ptrdiff_t>(ty.first) * canvasStride;
        // The canvas rows the next window row adds are fetched meanwhile:
        // reading runs at memory speed only when it overlaps the work.
        const std::uint8_t* ahead = top + static_cast<std::ptrdiff_t>(k) * canvasStride;
        int aheadRows = 0;
        if (wy + 1 < r.y1) {
            const Taps& ny = rows_[static_cast<std::size_t>(wy + 1 - picture_.y0)];
            aheadRows = ny.first + static_cast<int>(ny.weights.size()) - ty.first - static_cast<int>(k);
        }
        for (int tile = 0; tile < tiles; ++tile) {
            const int x0 = s.tileSpan[2 * tile], x1 = s.tileSpan[2 * tile + 1];
            for (int j = 0; j < aheadRows; ++j)
                for (int x = x0 & ~15; x < x1; x += 16)
                    _mm_prefetch(reinterpret_cast<const char*>(ahead + j * std::ptrdiff_t(canvasStride) +
                                                               std::ptrdiff_t(x) * 4),
                                 _MM_HINT_T0);
            s.tileColour[static_cast<std::size_t>(tile)] =
                colourOf(top, canvasStride, static_cast<int>(k), x0, x1);
        }
        auto* out = reinterpret_cast<std::uint32_t*>(reinterpret_cast<std::uint8_t*>(dst) +
                                                     static_cast<std::ptrdiff_t>(wy - r.y0) * dstStride);
        const float ry = 1.0f / static_cast<float>(ty.total);
        const std::uint16_t* w = ty.weights.data();
        for (int t = 0; t < tiles;) {
            if (s.tileColour[static_cast<std::size_t>(t)] != kMixed) {
                fillTile(out + t * kTile, std::min(n, (t + 1) * kTile) - t * kTile,
                         s.tileColour[static_cast<std::size_t>(t)]);
                ++t;
                continue;
            }
            // A run of tiles to sum, in one pass per canvas row.
            int u = t + 1;
            while (u < tiles && s.tileColour[static_cast<std::size_t>(u)] == kMixed) ++u;
            const int a = t * kTile, m = std::min(n, u * kTile) - a;
            for (std::size_t j = 0; j < k; ++j) {
                sumTiles(s, slot[j], canvas, canvasStride, ty.first + static_cast<int>(j), c0, n, t, u);
                sums[j] = s.sums.data() + slot[j] * s.slotStride + static_cast<std::ptrdiff_t>(a) * 4;
            }
            const std::uint32_t* total2 = colTotal2_.data() + 2 * (c0 + a);
            const float* recip2 = colRecip2_.data() + 2 * (c0 + a);
            std::uint32_t* o = out + a;
            switch (k) {
                case 1:
                    finishRow<1>(sums, w, k, total2, recip2, ty.total, ry, m, o);
                    break;
                case 2:
                    finishRow<2>(sums, w, k, total2, recip2, ty.total, ry, m, o);
                    break;
                case 3:
                    finishRow<3>(sums, w, k, total2, recip2, ty.total, ry, m, o);
                    break;
                case 4:
                    finishRow<4>(sums, w, k, total2, recip2, ty.total, ry, m, o);
                    break;
                default:
                    finishRow<0>(sums, w, k, total2, recip2, ty.total, ry, m, o);
                    break;
            }
            // The last few columns one at a time.
            for (int c = m / 4 * 4; c < m; ++c)
                o[c] =
                    finishPixel(sums, w, k, static_cast<std::size_t>(c),
                                std::uint64_t(cols_[static_cast<std::size_t>(c0 + a + c)].total) * ty.total);
            t = u;
        }
    }
}

#endif

void ViewScaler::render(const std::uint8_t* canvas, int canvasStride, const WindowRect& r, std::uint32_t* dst,
                        int dstStride) const {
    if (r.empty()) return;
    const auto part = [&](Scratch& s, const WindowRect& rows) {
        std::uint32_t* at = reinterpret_cast<std::uint32_t*>(
            reinterpret_cast<std::uint8_t*>(dst) + static_cast<std::ptrdiff_t>(rows.y0 - r.y0) * dstStride);
#ifdef VIEW_SCALER_AVX2
        if (chunks_) {
            renderAvx2(s, canvas, canvasStride, rows, at, dstStride);
            return;
        }
#endif
        renderPortable(s, canvas, canvasStride, rows, at, dstStride);
    };
    // A whole frame is arithmetic more than reading: on two cores, each
    // filters half the rows (a small box is not worth a thread).
    static const int cores = static_cast<int>(std::thread::hardware_concurrency());
    if ((threads_ ? threads_ : cores) >= 2 && r.y1 - r.y0 >= 2 &&
        std::int64_t(r.x1 - r.x0) * (r.y1 - r.y0) >= (1 << 18)) {
        const WindowRect top{r.x0, r.y0, r.x1, r.y0 + (r.y1 - r.y0) / 2};
        const WindowRect bottom{r.x0, top.y1, r.x1, r.y1};
        // The helper only speeds a frame up: one that cannot start (no memory
        // for its stack, the user's process limit) leaves the whole frame to
        // this thread, and rows it could not filter (no memory for its
        // scratch) are filtered here after it. Nothing it raises escapes it.
        bool helperFinished = false;  // set by the helper, read after the join
        std::thread helper;
        try {
            helper = std::thread([&part, &bottom, &helperFinished, this] {
                try {
                    part(scratch_[1], bottom);
                    helperFinished = true;
                } catch (...) {
                }
            });
        } catch (const std::system_error&) {
        } catch (const std::bad_alloc&) {
        }
        if (!helper.joinable()) {
            part(scratch_[0], r);
            return;
        }
        try {
            part(scratch_[0], top);
        } catch (...) {
            helper.join();
            throw;
        }
        helper.join();
        if (!helperFinished) part(scratch_[0], bottom);
        return;
    }
    part(scratch_[0], r);
}

}  // namespace rt
