// The palette of screens of depth 8 or less, the attribute maps, and true-colour conversion.
#include <gtest/gtest.h>

#include <cstdint>

#include "gfx/core/palette.h"
#include "rt/rt.h"
#include "screen_test_support.h"

namespace {

// What the recording driver was shown: the last colour per entry, set_palette and lock calls.
struct PaletteLog {
    uint32_t shown[256];
    int set_calls;
    int locks;
    int unlocks;
    bool set_while_unlocked;
};

PaletteLog palette_log;

int rec_init(const char*, int, int, int, int, int) { return 0; }
void rec_exit() {}
void rec_lock() { ++palette_log.locks; }
void rec_unlock() { ++palette_log.unlocks; }
// Records one entry as 0x00BBGGRR and whether the lock protocol held the lock around it.
void rec_set_palette(int index, int red, int green, int blue) {
    palette_log.shown[index & 0xFF] = static_cast<uint32_t>(red) |
                                      static_cast<uint32_t>(green) << 8 |
                                      static_cast<uint32_t>(blue) << 16;
    ++palette_log.set_calls;
    if (!(gfx_context->flags & CTX_LOCKED)) {
        palette_log.set_while_unlocked = true;
    }
}

const GfxDriver RECORDER = {"Recorder",      rec_init, rec_exit, rec_lock, rec_unlock,
                            rec_set_palette, nullptr,  nullptr,  nullptr,  nullptr,
                            nullptr,         nullptr,  nullptr};
const GfxDriver* const RECORDER_LIST[] = {&RECORDER, nullptr};

// 0x00BBGGRR from 8-bit components.
constexpr uint32_t rgb(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16; }

// The 16 classic colours every 16- and 256-colour mode starts with.
constexpr uint32_t CLASSIC_16[16] = {
    rgb(0, 0, 0),     rgb(0, 0, 170),    rgb(0, 170, 0),    rgb(0, 170, 170),
    rgb(170, 0, 0),   rgb(170, 0, 170),  rgb(170, 85, 0),   rgb(170, 170, 170),
    rgb(85, 85, 85),  rgb(85, 85, 255),  rgb(85, 255, 85),  rgb(85, 255, 255),
    rgb(255, 85, 85), rgb(255, 85, 255), rgb(255, 255, 85), rgb(255, 255, 255),
};

class Palette : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        gfx_driver_list_override = RECORDER_LIST;
        palette_log = PaletteLog{};
    }

    // Opens a mode on the recording driver and forgets what it recorded while opening.
    static void open(int mode, int depth = 0) {
        ASSERT_EQ(gfx_screen(mode, depth, 1, 0, 0), 0);
        palette_log = PaletteLog{};
        std::fill(gfx_context->dirty_rows, gfx_context->dirty_rows + gfx_context->height, 0);
    }

    static bool all_rows_dirty() {
        for (int y = 0; y < gfx_context->height; ++y) {
            if (gfx_context->dirty_rows[y] != 1) {
                return false;
            }
        }
        return true;
    }
};

TEST_F(Palette, Mode13StartsWithTheVgaPalette) {
    ASSERT_EQ(gfx_screen(13, 0, 1, 0, 0), 0);
    const uint32_t* pal = gfx_context->palette;
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(pal[i], CLASSIC_16[i]) << i;
        EXPECT_EQ(gfx_context->colour_table[i], CLASSIC_16[i]) << i;
    }
    EXPECT_EQ(pal[16], rgb(0, 0, 0));
    EXPECT_EQ(pal[31], rgb(255, 255, 255));
    EXPECT_EQ(pal[32], rgb(0, 0, 255));
    for (int i = 248; i < 256; ++i) {
        EXPECT_EQ(pal[i], 0u) << i;
    }
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(palette_log.shown[i], pal[i]) << i;
    }
}

TEST_F(Palette, Mode9MapsAttribute6ToEgaColour20) {
    open(9);
    gfx_palette(-1, 0, 0, 0);
    EXPECT_EQ(gfx_context->attribute_map[6], 20);
    EXPECT_EQ(gfx_context->palette[6], rgb(170, 85, 0));
    EXPECT_EQ(gfx_context->palette[8], rgb(85, 85, 85));
    EXPECT_EQ(gfx_context->palette[15], rgb(255, 255, 255));
    gfx_palette(6, 62, -1, -1);
    EXPECT_EQ(gfx_context->palette[6], rgb(255, 255, 85));
    EXPECT_EQ(gfx_context->attribute_map[6], 62);
    EXPECT_EQ(palette_log.shown[6], rgb(255, 255, 85));
    gfx_palette(6, 64 + 1, -1, -1);
    EXPECT_EQ(gfx_context->attribute_map[6], 1) << "only the bits below the palette's count count";
    EXPECT_EQ(gfx_context->palette[6], rgb(0, 0, 170));
}

TEST_F(Palette, Mode1ChoosesItsMapByTheIndexArgument) {
    open(1);
    const struct {
        int index;
        uint32_t colours[4];
    } cases[] = {
        {-1, {CLASSIC_16[0], CLASSIC_16[11], CLASSIC_16[13], CLASSIC_16[15]}},
        {-2, {CLASSIC_16[0], CLASSIC_16[10], CLASSIC_16[12], CLASSIC_16[14]}},
        {-3, {CLASSIC_16[0], CLASSIC_16[3], CLASSIC_16[5], CLASSIC_16[7]}},
        {-4, {CLASSIC_16[0], CLASSIC_16[2], CLASSIC_16[4], CLASSIC_16[6]}},
        {-99, {CLASSIC_16[0], CLASSIC_16[2], CLASSIC_16[4], CLASSIC_16[6]}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        gfx_palette(c.index, 0, 0, 0);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(gfx_context->palette[i], c.colours[i]) << i;
            EXPECT_EQ(palette_log.shown[i], c.colours[i]) << i;
        }
        EXPECT_EQ(gfx_context->palette[4], 0u) << "a 2-bit screen shows four entries only";
    }
}

TEST_F(Palette, Mode2ShowsBlackAndWhite) {
    open(2);
    gfx_palette(-1, 0, 0, 0);
    EXPECT_EQ(gfx_context->palette[0], rgb(0, 0, 0));
    EXPECT_EQ(gfx_context->palette[1], rgb(255, 255, 255));
    EXPECT_EQ(gfx_context->attribute_map[1], 15);
    EXPECT_EQ(palette_log.set_calls, 2);
}

TEST_F(Palette, PackedAnd8BitEntriesOnA256ColourMode) {
    open(13);
    gfx_palette(1, 0x3F, -1, -1);
    EXPECT_EQ(gfx_context->palette[1], rgb(255, 0, 0));
    gfx_palette(1, 255, 128, 0);
    EXPECT_EQ(gfx_context->palette[1], rgb(255, 129, 0));
    gfx_palette(2, 0x3F2010, -1, -1);
    EXPECT_EQ(gfx_context->palette[2], rgb(64, 129, 255));
    EXPECT_EQ(palette_log.shown[2], rgb(64, 129, 255));
    EXPECT_TRUE(all_rows_dirty());
}

TEST_F(Palette, Mode12TakesPackedColoursForItsSixteenEntries) {
    open(12);
    gfx_palette(3, 0x3F003F, -1, -1);
    EXPECT_EQ(gfx_context->palette[3], rgb(255, 0, 255));
    rt_set_error(0);
    gfx_palette(16, 0x3F, -1, -1);
    EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL);
    EXPECT_EQ(gfx_context->palette[16], 0u);
}

TEST_F(Palette, OutOfRangeIndexIsRefusedWithoutWriting) {
    open(7);
    const uint32_t before = gfx_context->palette[15];
    for (int index : {16, 255, 256, 100000}) {
        SCOPED_TRACE(index);
        rt_set_error(0);
        gfx_palette(index, 3, -1, -1);
        EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL);
    }
    EXPECT_EQ(palette_log.set_calls, 0);
    EXPECT_EQ(gfx_context->palette[15], before);
    gfx_palette_set_entry(300, 1);
    EXPECT_EQ(palette_log.set_calls, 0);
}

TEST_F(Palette, ChangesHoldTheLockAndGiveItBack) {
    open(13);
    gfx_palette(5, 1, 2, 3);
    gfx_palette(-1, 0, 0, 0);
    EXPECT_EQ(palette_log.locks, 2);
    EXPECT_EQ(palette_log.unlocks, 2);
    EXPECT_FALSE(palette_log.set_while_unlocked);
    EXPECT_EQ(gfx_context->flags & (CTX_LOCKED | CTX_AUTO_LOCKED), 0u);

    gfx_context->flags |= CTX_LOCKED;
    gfx_palette(5, 1, 2, 3);
    EXPECT_EQ(palette_log.locks, 2) << "a held lock is not taken again";
    EXPECT_EQ(palette_log.unlocks, 2) << "nor given back";
    gfx_context->flags &= ~CTX_LOCKED;
}

TEST_F(Palette, UsingSetsEveryEntryButTheNegativeOnes) {
    open(7);
    int32_t values[16];
    for (int i = 0; i < 16; ++i) {
        values[i] = 15 - i;
    }
    values[4] = -1;
    const uint32_t kept = gfx_context->palette[4];
    gfx_palette_using(values);
    EXPECT_EQ(gfx_context->palette[0], CLASSIC_16[15]);
    EXPECT_EQ(gfx_context->palette[15], CLASSIC_16[0]);
    EXPECT_EQ(gfx_context->palette[4], kept);
    EXPECT_EQ(gfx_context->attribute_map[0], 15);
    EXPECT_EQ(palette_log.set_calls, 15);
    EXPECT_TRUE(all_rows_dirty());
    rt_set_error(0);
    gfx_palette_using(nullptr);
    EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL);
}

TEST_F(Palette, ResendPassesAll256EntriesAgain) {
    open(13);
    gfx_palette_resend();
    EXPECT_EQ(palette_log.set_calls, 256);
    EXPECT_EQ(palette_log.shown[15], CLASSIC_16[15]);
}

// A driver whose display thread switches modes while its init runs, before set-mode has stored
// the driver in the context: the switch re-sends the palette at that moment.
int switching_init(const char*, int, int, int, int, int) {
    gfx_palette_resend();
    return 0;
}
const GfxDriver SWITCHING = {"Switching",     switching_init, rec_exit, rec_lock, rec_unlock,
                             rec_set_palette, nullptr,        nullptr,  nullptr,  nullptr,
                             nullptr,         nullptr,        nullptr};
const GfxDriver* const SWITCHING_LIST[] = {&SWITCHING, nullptr};

TEST_F(Palette, ResendBeforeTheDriverIsStoredSendsNothingAndTheScreenStillGetsItsPalette) {
    gfx_driver_list_override = SWITCHING_LIST;
    ASSERT_EQ(gfx_screen(13, 0, 1, 0, 0), 0);
    EXPECT_EQ(gfx_context->driver, &SWITCHING);
    EXPECT_EQ(palette_log.shown[15], CLASSIC_16[15]) << "set-mode loads the palette itself";
    EXPECT_EQ(palette_log.set_calls, 256);
}

TEST_F(Palette, TrueColourScreensHaveNoPalette) {
    ASSERT_EQ(gfx_screen_res(32, 32, 32, 1, 0, 0), 0);
    palette_log = PaletteLog{};
    gfx_palette(1, 0x3F, -1, -1);
    gfx_palette(-1, 0, 0, 0);
    int32_t values[2] = {1, 2};
    gfx_palette_using(values);
    EXPECT_EQ(palette_log.set_calls, 0);
    EXPECT_EQ(palette_log.locks, 0);
    EXPECT_EQ(gfx_context->palette[1], 0u);
    EXPECT_EQ(gfx_colour_to_native(0x00FF8040), 0x00FF8040u);
}

TEST_F(Palette, NoScreenMeansNoEffect) {
    gfx_palette(1, 2, 3, 4);
    gfx_palette_using(nullptr);
    gfx_palette_resend();
    EXPECT_EQ(palette_log.set_calls, 0);
    EXPECT_EQ(gfx_colour_to_native(0x123456), 0x123456u);
}

TEST_F(Palette, ColourToNativeFollowsTheScreenFormat) {
    ASSERT_EQ(gfx_screen_res(32, 32, 16, 1, 0, 0), 0);
    EXPECT_EQ(gfx_colour_to_native(0x00FF8040), 0xFC08u);
    EXPECT_EQ(gfx_colour_to_native(0x00FFFFFF), 0xFFFFu);
    EXPECT_EQ(gfx_colour_to_native(0x00000800), 0x0040u);
    EXPECT_EQ(gfx_rgb_to_16bit(7, 0, 0, 0xFF), 0x1Fu);
    ASSERT_EQ(gfx_screen(7, 0, 1, 0, 0), 0);
    EXPECT_EQ(gfx_colour_to_native(0x00FF8043), 0x3u);
    EXPECT_EQ(gfx_rgb_to_16bit(0xABC, 1, 2, 3), 0xABCu);
}

} // namespace
