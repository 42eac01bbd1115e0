// The account of the last driver choice: one line per try with what the driver answered, the
// Null driver's line, and how long the text lasts.
#include <gtest/gtest.h>

#include <string>

#include "gfx/core/driver_report.h"
#include "gfx/core/test_seams.h"
#include "rt/rt.h"
#include "screen_test_support.h"

namespace {

int refusals = 0;

// Refuses twice in one try, so that the report shows that the first reason is kept.
int refusing_init(const char*, int width, int window_height, int, int, int) {
    ++refusals;
    gfx_driver_refuse("found no display mode of %d x %d", width, window_height);
    return gfx_driver_refuse("a second reason that must not show");
}

// Fails without giving any reason.
int silent_init(const char*, int, int, int, int, int) { return -1; }

int opening_init(const char*, int, int, int, int, int) { return 0; }

// Gives a detail and then refuses, so that the report shows a detail only on an opened line.
int detail_then_refuse_init(const char*, int, int, int, int, int) {
    gfx_driver_report_detail("a detail of a try that failed");
    return gfx_driver_refuse("refused after a detail");
}

// Opens the screen otherwise than asked, and says how.
int opening_with_detail_init(const char*, int, int, int, int, int) {
    gfx_driver_report_detail("over the desktop at scale %d", 3);
    return 0;
}

void nothing() {}
void no_palette(int, int, int, int) {}

const GfxDriver REFUSER = {.name = "Refuser",
                           .init = refusing_init,
                           .exit = nothing,
                           .lock = nothing,
                           .unlock = nothing,
                           .set_palette = no_palette};
const GfxDriver SILENT = {.name = "Silent",
                          .init = silent_init,
                          .exit = nothing,
                          .lock = nothing,
                          .unlock = nothing,
                          .set_palette = no_palette};
const GfxDriver OPENER = {.name = "Opener",
                          .init = opening_init,
                          .exit = nothing,
                          .lock = nothing,
                          .unlock = nothing,
                          .set_palette = no_palette};
const GfxDriver DETAIL_REFUSER = {.name = "DetailRefuser",
                                  .init = detail_then_refuse_init,
                                  .exit = nothing,
                                  .lock = nothing,
                                  .unlock = nothing,
                                  .set_palette = no_palette};
const GfxDriver DETAIL_OPENER = {.name = "DetailOpener",
                                 .init = opening_with_detail_init,
                                 .exit = nothing,
                                 .lock = nothing,
                                 .unlock = nothing,
                                 .set_palette = no_palette};
const GfxDriver* const DETAIL_THEN_OPEN[] = {&DETAIL_REFUSER, &OPENER, nullptr};
const GfxDriver* const OPEN_WITH_DETAIL[] = {&DETAIL_OPENER, nullptr};
const GfxDriver* const REFUSE_THEN_OPEN[] = {&REFUSER, &SILENT, &OPENER, nullptr};
const GfxDriver* const NONE_OPENS[] = {&SILENT, &REFUSER, nullptr};

using DriverReport = ScreenTest;

TEST_F(DriverReport, AnOpenedLineEndsWithItsTrysDetailAndOnlyThatTrys) {
    gfx_driver_list_override = OPEN_WITH_DETAIL;
    ASSERT_EQ(0, gfx_screen_res(320, 200, 8, 1, SCREEN_FULLSCREEN, 0));
    EXPECT_EQ(std::string("DetailOpener, full screen: opened over the desktop at scale 3\n"),
              gfx_driver_report());
    gfx_screen(0, 0, 0, 0, 0);
    gfx_driver_list_override = DETAIL_THEN_OPEN;
    ASSERT_EQ(0, gfx_screen_res(320, 200, 8, 1, 0, 0));
    EXPECT_EQ(std::string("DetailRefuser, windowed: refused after a detail\n"
                          "DetailRefuser, windowed: refused after a detail\n"
                          "Opener, windowed: opened\n"),
              gfx_driver_report());
}

TEST_F(DriverReport, EveryTryHasALineWithTheDriversAnswer) {
    gfx_driver_list_override = REFUSE_THEN_OPEN;
    ASSERT_EQ(0, gfx_screen_res(320, 200, 8, 1, 0, 70));
    EXPECT_EQ(std::string("Refuser, windowed, 70 Hz: found no display mode of 320 x 200\n"
                          "Refuser, windowed: found no display mode of 320 x 200\n"
                          "Silent, windowed, 70 Hz: could not open the screen\n"
                          "Silent, windowed: could not open the screen\n"
                          "Opener, windowed, 70 Hz: opened\n"),
              gfx_driver_report());
}

// With no driver to open the screen, the account of all four passes is left to read.
TEST_F(DriverReport, AFailedChoiceKeepsTheLinesOfAllItsPasses) {
    gfx_driver_list_override = NONE_OPENS;
    test_setenv("QZGFX", "Refuser");
    refusals = 0;
    EXPECT_EQ(RT_ERR_ILLEGAL_CALL, gfx_screen(13, 0, 1, SCREEN_FULLSCREEN, 0));
    const std::string report = gfx_driver_report();
    const std::string refused_full = "Refuser, full screen: found no display mode of 320 x 200\n";
    const std::string refused_window = "Refuser, windowed: found no display mode of 320 x 200\n";
    // By name twice, all, by name, all toggled: the refuser is tried 2 + 2 + 2 + 2 times.
    EXPECT_EQ(8, refusals);
    EXPECT_EQ(0u, report.find(refused_full + refused_full + "Silent, full screen: could not open"));
    EXPECT_NE(std::string::npos, report.find("Silent, windowed: could not open the screen\n" +
                                             refused_window + refused_window));
    EXPECT_EQ(std::string::npos, report.find("opened"));
    EXPECT_EQ(std::string::npos, report.find("second reason"));
}

TEST_F(DriverReport, TheNullDriverSaysWhyItWasTaken) {
    test_setenv("QZGFX", "NULL");
    ASSERT_EQ(0, gfx_screen(13, 0, 1, 0, 0));
    EXPECT_STREQ("Null: opened (QZGFX is null)\n", gfx_driver_report());
    test_unsetenv("QZGFX");
    ASSERT_EQ(0, gfx_screen(13, 0, 1, SCREEN_NULL, 0));
    EXPECT_STREQ("Null: opened (the program asked for a screen without a window)\n",
                 gfx_driver_report());
}

// The text lasts until the next set-mode: a call refused for its arguments is no set-mode, and
// closing the screen empties it.
TEST_F(DriverReport, TheTextLastsUntilTheNextSetMode) {
    ASSERT_EQ(0, gfx_screen(13, 0, 1, SCREEN_NULL, 0));
    const std::string opened = gfx_driver_report();
    ASSERT_FALSE(opened.empty());
    EXPECT_EQ(RT_ERR_ILLEGAL_CALL, gfx_screen(3, 0, 1, 0, 0));
    EXPECT_EQ(opened, gfx_driver_report());
    ASSERT_EQ(0, gfx_screen(0, 0, 0, 0, 0));
    EXPECT_STREQ("", gfx_driver_report());
}

} // namespace
