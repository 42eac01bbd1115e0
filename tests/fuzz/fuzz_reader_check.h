// What every image the readers accept must satisfy: a whole buffer of the size its record gives.
#pragma once

#include <cstdlib>

#include "demo/texture.h"

// Aborts (a finding for the fuzzer) when an accepted texture's record does not describe its
// buffer; touches the buffer's first and last byte so the address sanitizer checks its extent.
// Frees the buffer.
inline void check_accepted_texture(Texture& texture) {
    const bool sane =
        texture.pixels != nullptr && texture.width > 0 && texture.height > 0 &&
        (texture.bpp == 24 || texture.bpp == 32) &&
        texture.format == (texture.bpp == 24 ? TEXTURE_FORMAT_RGB : TEXTURE_FORMAT_RGBA);
    if (!sane) {
        std::abort();
    }
    const std::size_t size = static_cast<std::size_t>(texture.width) *
                             static_cast<std::size_t>(texture.height) *
                             static_cast<std::size_t>(texture.bpp / 8);
    volatile uint8_t ends = static_cast<uint8_t>(texture.pixels[0] ^ texture.pixels[size - 1]);
    static_cast<void>(ends);
    std::free(texture.pixels);
}
