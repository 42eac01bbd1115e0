// Setting the window title.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "gfx/core/pages.h"
#include "gfx/core/screen.h"
#include "input_test_screen.h"
#include "rt/rt.h"

namespace {

class WindowTitle : public ::testing::Test {
protected:
    void SetUp() override { std::memcpy(saved_, gfx_title, GFX_TITLE_SIZE); }
    void TearDown() override { std::memcpy(gfx_title, saved_, GFX_TITLE_SIZE); }
    char saved_[GFX_TITLE_SIZE] = {};
};

} // namespace

TEST_F(WindowTitle, IsCutTo127CharactersAndStaysTerminated) {
    std::string long_title(200, 'x');
    long_title[126] = 'E';
    long_title[127] = 'F';
    gfx_window_title(rt_string_temp(long_title.data(), 200));
    EXPECT_EQ(std::strlen(gfx_title), 127u);
    EXPECT_EQ(gfx_title[126], 'E');
    EXPECT_EQ(gfx_title[127], '\0');
}

TEST_F(WindowTitle, ReplacesALongerTitleCompletely) {
    gfx_window_title(rt_string_temp("a much longer first title", -1));
    gfx_window_title(rt_string_temp("[ Vavaz #2 ]", -1));
    EXPECT_STREQ(gfx_title, "[ Vavaz #2 ]");
    for (int i = 13; i < GFX_TITLE_SIZE; ++i) {
        ASSERT_EQ(gfx_title[i], '\0');
    }
}

TEST_F(WindowTitle, ShowsOnTheOpenWindowAtOnce) {
    TestScreen s(8, 4, 1, 1);
    gfx_window_title(rt_string_temp("caption", -1));
    EXPECT_EQ(test_driver_log.titles, 1);
    EXPECT_EQ(test_driver_log.last_title, gfx_title);
    EXPECT_STREQ(gfx_title, "caption");
}

TEST_F(WindowTitle, WithoutAWindowIsOnlyKept) {
    {
        TestScreen s(8, 4, 1, 1, &TEST_BARE_DRIVER);
        gfx_window_title(rt_string_temp("bare", -1));
        EXPECT_STREQ(gfx_title, "bare");
    }
    gfx_window_title(rt_string_temp("before any screen", -1));
    EXPECT_STREQ(gfx_title, "before any screen");
    EXPECT_EQ(test_driver_log.titles, 0);
}

TEST_F(WindowTitle, LeavesAStringItDoesNotOwnAlone) {
    RtString owned{nullptr, 0, 0};
    ASSERT_NE(rt_string_assign(&owned, "kept by the caller", -1), nullptr);
    gfx_window_title(&owned);
    EXPECT_STREQ(gfx_title, "kept by the caller");
    EXPECT_STREQ(owned.data, "kept by the caller");
    rt_string_clear(&owned);
}

TEST_F(WindowTitle, RefusesAMissingTitleAndKeepsTheOldOne) {
    gfx_window_title(rt_string_temp("old", -1));
    rt_set_error(RT_ERR_NONE);
    gfx_window_title(nullptr);
    EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL);
    RtString broken{nullptr, 5, 0};
    gfx_window_title(&broken);
    EXPECT_STREQ(gfx_title, "old");
    RtString empty{nullptr, 0, 0};
    gfx_window_title(&empty);
    EXPECT_STREQ(gfx_title, "");
}
