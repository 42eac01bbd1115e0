// The one context of the open graphics screen, and the lock protocol every operation follows.
#pragma once

#include <cstdint>

#include "gfx/core/driver.h"
#include "gfx/core/types.h"

// State bits of GfxContext::flags.
constexpr uint32_t CTX_WINDOW_COORDS = 0x1;
constexpr uint32_t CTX_SCREEN_COORDS = 0x2;
constexpr uint32_t CTX_VIEW_SCREEN = 0x4;
constexpr uint32_t CTX_TARGET_IMAGE = 0x8;
constexpr uint32_t CTX_LOCKED = 0x10;
constexpr uint32_t CTX_AUTO_LOCKED = 0x20;
constexpr uint32_t CTX_PENDING_NEWLINE = 0x40;
constexpr uint32_t CTX_VIEW_SET = 0x80;
constexpr uint32_t CTX_HAS_MMX = 0x1000000;

struct GfxContext {
    int mode;        // 1..21, or -1 for a screen opened by size
    uint8_t** pages; // num_pages framebuffers of height * pitch bytes
    int num_pages;
    int work_page;
    uint8_t* visible_buffer; // the page shown (not owned)
    uint8_t** rows;          // row pointers of the current drawing target
    int pitch;               // bytes per framebuffer row
    int target_pitch;        // bytes per row of the drawing target
    ImageBuffer* target;     // null: the screen (not owned)
    int rows_capacity;
    int bytes_per_pixel;    // 1, 2 or 4
    uint32_t* colour_table; // 256 entries, 0x00BBGGRR
    uint32_t* palette;      // 256 entries, 0x00BBGGRR
    uint8_t* attribute_map; // 16 entries
    uint8_t* dirty_rows;    // height * scanline_size bytes; the first height flag changed rows
    const GfxDriver* driver;
    int width;
    int height;
    int depth; // 1, 2, 4, 8, 16 or 32
    uint32_t colour_mask;
    const PaletteInfo* default_palette;
    int scanline_size;
    uint32_t fg_colour;
    uint32_t bg_colour;
    float last_x;
    float last_y;
    int cursor_x;
    int cursor_y;
    const FontInfo* font;
    int view_x;
    int view_y;
    int view_w;
    int view_h;
    float win_x;
    float win_y;
    float win_w;
    float win_h;
    int text_w;
    int text_h;
    uint8_t* key_state; // 128 bytes, one per scancode
    int refresh_rate;   // Hz, 0 when unknown
    uint32_t flags;
    TextCell** text_pages; // num_pages pages of text_w * text_h cells
};

// The open screen's context; null while no screen is open.
extern GfxContext* gfx_context;

// Holds the driver lock for the length of one operation, following the context's lock protocol:
// the lock is taken only when neither CTX_LOCKED nor CTX_AUTO_LOCKED is set, and given back at the
// end only by the operation that took it. A null context makes it do nothing.
class GfxLockGuard {
public:
    explicit GfxLockGuard(GfxContext* ctx) : ctx_(ctx) {
        if (ctx_ && !(ctx_->flags & (CTX_LOCKED | CTX_AUTO_LOCKED))) {
            ctx_->driver->lock();
            ctx_->flags |= CTX_LOCKED | CTX_AUTO_LOCKED;
            took_ = true;
        }
    }
    ~GfxLockGuard() {
        if (took_ && (ctx_->flags & CTX_AUTO_LOCKED)) {
            ctx_->flags &= ~(CTX_LOCKED | CTX_AUTO_LOCKED);
            ctx_->driver->unlock();
        }
    }
    GfxLockGuard(const GfxLockGuard&) = delete;
    GfxLockGuard& operator=(const GfxLockGuard&) = delete;

    // Whether this guard took the lock (and so will give it back).
    bool took() const { return took_; }

private:
    GfxContext* ctx_;
    bool took_ = false;
};
