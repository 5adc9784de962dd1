// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/window_icon.h"

#include <cairo.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace rt {

namespace {

struct PngReader {
    std::span<const std::uint8_t> rest;

    static cairo_status_t read(void* closure, unsigned char* data, unsigned int length) {
        auto* r = static_cast<PngReader*>(closure);
        if (length > r->rest.size()) return CAIRO_STATUS_READ_ERROR;
        std::memcpy(data, r->rest.data(), length);
        r->rest = r->rest.subspan(length);
        return CAIRO_STATUS_SUCCESS;
    }
};

}  // namespace

SDL_Window* withIcon(SDL_Window* window, std::span<const std::uint8_t> png) {
    if (!window || png.empty()) return window;
    PngReader reader{png};
    cairo_surface_t* image = cairo_image_surface_create_from_png_stream(&PngReader::read, &reader);
    if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS &&
        cairo_image_surface_get_format(image) == CAIRO_FORMAT_ARGB32) {
        cairo_surface_flush(image);
        const int w = cairo_image_surface_get_width(image);
        const int h = cairo_image_surface_get_height(image);
        const int stride = cairo_image_surface_get_stride(image);
        const auto* from = cairo_image_surface_get_data(image);
        // Cairo keeps alpha premultiplied; a window icon takes it straight.
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h);
        for (int y = 0; y < h; ++y) {
            const auto* row =
                reinterpret_cast<const std::uint32_t*>(from + static_cast<std::ptrdiff_t>(y) * stride);
            for (int x = 0; x < w; ++x) {
                const std::uint32_t p = row[x];
                const std::uint32_t a = p >> 24;
                auto straight = [&](int shift) {
                    const std::uint32_t c = (p >> shift) & 0xFF;
                    return a == 0 ? 0u : std::min<std::uint32_t>(255, (c * 255 + a / 2) / a) << shift;
                };
                pixels[static_cast<std::size_t>(y) * w + x] =
                    a << 24 | straight(16) | straight(8) | straight(0);
            }
        }
        if (SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), w, h, 32, w * 4,
                                                                   SDL_PIXELFORMAT_ARGB8888)) {
            SDL_SetWindowIcon(window, icon);
            SDL_FreeSurface(icon);
        }
    }
    cairo_surface_destroy(image);
    return window;
}

}  // namespace rt
