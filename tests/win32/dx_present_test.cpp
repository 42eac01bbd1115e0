// The DirectDraw driver's presenting, read back from the X display: paletted, doubled-row,
// 16-bit and 32-bit screens, and a palette change.
#include "dx_test_support.h"

#include "gfx/core/palette.h"
#include "gfx/drivers/dx_state.h"

namespace {

// Sets every byte of a surface's rows to `value`. false when it cannot be locked.
bool fill_surface(IDirectDrawSurface* surface, uint8_t value) {
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    if (FAILED(surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr))) {
        return false;
    }
    const size_t row_bytes = desc.dwWidth * ((desc.ddpfPixelFormat.dwRGBBitCount + 7) / 8);
    for (DWORD y = 0; y < desc.dwHeight; ++y) {
        std::memset(static_cast<uint8_t*>(desc.lpSurface) + y * desc.lPitch, value, row_bytes);
    }
    surface->Unlock(desc.lpSurface);
    return true;
}

// Whether every byte of a surface's rows still holds `value`.
bool surface_holds_only(IDirectDrawSurface* surface, uint8_t value) {
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    if (FAILED(surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr))) {
        return false;
    }
    const size_t row_bytes = desc.dwWidth * ((desc.ddpfPixelFormat.dwRGBBitCount + 7) / 8);
    bool same = true;
    for (DWORD y = 0; y < desc.dwHeight && same; ++y) {
        const uint8_t* row = static_cast<uint8_t*>(desc.lpSurface) + y * desc.lPitch;
        for (size_t i = 0; i < row_bytes && same; ++i) {
            same = row[i] == value;
        }
    }
    surface->Unlock(desc.lpSurface);
    return same;
}

class DxPresent : public DxScreenTest {};

// A locked target with fewer rows than the screen, as a full-screen display mode smaller than the
// screen gives: the passes must write nothing into it and keep the marks, and the picture comes
// whole once the screen's own target is back.
TEST_F(DxPresent, ATargetSmallerThanTheScreenGetsNothing) {
    set_test_title("qzgfx dx small target");
    ASSERT_EQ(0, gfx_screen_res(320, 200, 32, 0, 0, 0));
    expect_directx();
    draw_pattern(3);
    ASSERT_TRUE(wait_presented());
    IDirectDrawSurface* small = nullptr;
    IDirectDrawSurface* own = nullptr;
    {
        GfxLockGuard lock(gfx_context);
        DDSURFACEDESC desc{};
        desc.dwSize = sizeof desc;
        desc.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
        desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
        desc.dwWidth = 320;
        desc.dwHeight = 100;
        ASSERT_EQ(DD_OK, dx.ddraw->CreateSurface(&desc, &small, nullptr));
        ASSERT_TRUE(fill_surface(small, 0x5A));
        own = dx.target;
        dx.target = small;
    }
    draw_pattern(4);
    Sleep(300); // some thirty passes
    bool untouched = false;
    bool marks_kept = true;
    {
        GfxLockGuard lock(gfx_context);
        untouched = surface_holds_only(small, 0x5A);
        for (int y = 0; y < gfx_context->height; ++y) {
            marks_kept = marks_kept && gfx_context->dirty_rows[y];
        }
        dx.target = own;
    }
    small->Release();
    EXPECT_TRUE(untouched) << "a pass wrote into a target smaller than the screen";
    EXPECT_TRUE(marks_kept) << "a pass that presented nothing cleared the marks";
    expect_screen_shows_framebuffer("with the screen's own target back");
}

TEST_F(DxPresent, ANumberedPalettedModeShowsItsFramebufferExactly) {
    set_test_title("qzgfx dx mode 13");
    ASSERT_EQ(0, gfx_screen(13, 0, 0, 0, 0));
    expect_directx();
    draw_pattern(7);
    expect_screen_shows_framebuffer("mode 13");
}

TEST_F(DxPresent, ADoubledRowModeShowsEachRowTwice) {
    set_test_title("qzgfx dx mode 8");
    ASSERT_EQ(0, gfx_screen(8, 0, 0, 0, 0));
    expect_directx();
    ASSERT_EQ(2, gfx_context->scanline_size);
    EXPECT_EQ(400, client_size(win32_window.hwnd).cy);
    draw_pattern(3);
    expect_screen_shows_framebuffer("mode 8");
}

TEST_F(DxPresent, A16BitScreenOfOddWidthShowsExactly) {
    set_test_title("qzgfx dx 16 odd");
    ASSERT_EQ(0, gfx_screen_res(317, 123, 16, 0, 0, 0));
    expect_directx();
    EXPECT_EQ(317, client_size(win32_window.hwnd).cx);
    draw_pattern(0x1234);
    expect_screen_shows_framebuffer("317 x 123 x 16");
}

TEST_F(DxPresent, A32BitScreenShowsExactlyAndOnlyDirtyRowsChange) {
    set_test_title("qzgfx dx 32");
    ASSERT_EQ(0, gfx_screen_res(200, 150, 32, 0, 0, 0));
    expect_directx();
    draw_pattern(0xABCDEF);
    expect_screen_shows_framebuffer("200 x 150 x 32");
    // A second picture whose rows are marked only in the lower half: once it is presented, the
    // upper half of the framebuffer gets the first picture back, unmarked, which is what the
    // display must still show there.
    const size_t upper = static_cast<size_t>(gfx_context->pitch) * 75;
    std::vector<uint8_t> before(gfx_context->pages[0], gfx_context->pages[0] + upper);
    draw_pattern(0x55);
    {
        GfxLockGuard lock(gfx_context);
        std::memset(gfx_context->dirty_rows, 0, 75);
    }
    ASSERT_TRUE(wait_presented());
    {
        GfxLockGuard lock(gfx_context);
        std::memcpy(gfx_context->pages[0], before.data(), upper);
    }
    expect_screen_shows_framebuffer("lower half redrawn");
}

TEST_F(DxPresent, APaletteChangeShowsAtTheNextPass) {
    set_test_title("qzgfx dx palette");
    ASSERT_EQ(0, gfx_screen(13, 0, 0, 0, 0));
    expect_directx();
    draw_pattern(1);
    expect_screen_shows_framebuffer("before the change");
    const uint32_t old_entry = gfx_context->palette[5];
    gfx_palette(5, 63, 10, 40);
    EXPECT_NE(old_entry, gfx_context->palette[5]);
    expect_screen_shows_framebuffer("after changing entry 5");
}

} // namespace
