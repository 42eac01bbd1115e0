// Whole-number enlargement of converted rows in place, for displays whose own stretching may blend.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "gfx/blit/blitter.h"
#include "gfx/core/context.h"

namespace {

// Widens the first `count` pixels of `row` to `scale` copies each, from the right so that no
// pixel is overwritten before it is read. P is the pixel's storage when it has one.
template <typename P>
void widen_row(uint8_t* row, int count, int scale) {
    auto* pixels = reinterpret_cast<P*>(row);
    for (int x = count - 1; x >= 0; --x) {
        const P value = pixels[x];
        P* block = pixels + static_cast<ptrdiff_t>(x) * scale;
        for (int i = 0; i < scale; ++i) {
            block[i] = value;
        }
    }
}

// The same for pixels of `bytes` bytes that no integer type holds (3-byte displays).
void widen_row_bytes(uint8_t* row, int count, int scale, int bytes) {
    for (int x = count - 1; x >= 0; --x) {
        uint8_t value[4];
        std::memcpy(value, row + static_cast<ptrdiff_t>(x) * bytes, static_cast<size_t>(bytes));
        uint8_t* block = row + static_cast<ptrdiff_t>(x) * scale * bytes;
        for (int i = 0; i < scale; ++i) {
            std::memcpy(block + static_cast<ptrdiff_t>(i) * bytes, value,
                        static_cast<size_t>(bytes));
        }
    }
}

// Widens one row of pixels of `bytes` bytes.
void widen(uint8_t* row, int count, int scale, int bytes) {
    switch (bytes) {
    case 1:
        widen_row<uint8_t>(row, count, scale);
        break;
    case 2:
        widen_row<uint16_t>(row, count, scale);
        break;
    case 4:
        widen_row<uint32_t>(row, count, scale);
        break;
    default:
        widen_row_bytes(row, count, scale, bytes);
        break;
    }
}

} // namespace

// Each marked framebuffer row stands for scanline_size converted rows, found `scale` display rows
// apart; each is widened in place and then copied to the scale - 1 rows below it.
void blit_scale_rows(uint8_t* dest, int32_t pitch, int bytes, int scale) {
    const GfxContext* ctx = gfx_context;
    if (!ctx || !dest || !ctx->dirty_rows || scale < 2 || bytes < 1 || bytes > 4 ||
        ctx->width <= 0 || ctx->scanline_size < 1) {
        return;
    }
    const size_t row_bytes = static_cast<size_t>(ctx->width) * scale * bytes;
    const int copies = ctx->scanline_size;
    for (int y = 0; y < ctx->height; ++y) {
        if (!ctx->dirty_rows[y]) {
            continue;
        }
        for (int m = 0; m < copies; ++m) {
            uint8_t* first = dest + static_cast<ptrdiff_t>((y * copies + m) * scale) * pitch;
            widen(first, ctx->width, scale, bytes);
            for (int r = 1; r < scale; ++r) {
                std::memcpy(first + static_cast<ptrdiff_t>(r) * pitch, first, row_bytes);
            }
        }
    }
}
