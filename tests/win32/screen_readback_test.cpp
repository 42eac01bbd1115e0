// The shared read-back of the X display: a read that cannot succeed says why at every try.
#include "tests/win32/screen_readback.h"

namespace {

TEST(ScreenReadback, AnAreaOffTheDisplayFailsAfterFourTriesNamingEachCause) {
    int asked = 0;
    const int display_w = GetSystemMetrics(SM_CXSCREEN);
    const Picture shot = read_x_display([&asked, display_w] {
        ++asked;
        return DisplayArea{display_w - 10, 0, 20, 20};
    });
    EXPECT_TRUE(shot.empty());
    EXPECT_EQ(4, asked) << "the area is asked for again before every try";
    EXPECT_NE(std::string::npos, shot.why.find("try 4: the area 20x20 at (")) << shot.why;
    EXPECT_NE(std::string::npos, shot.why.find("is not inside the")) << shot.why;
    EXPECT_FALSE(shows_framebuffer(shot)) << "an unread picture never passes";
}

TEST(ScreenReadback, AWindowThatArrivesOnTheDisplayIsReadAtTheNextTry) {
    int asked = 0;
    const Picture shot = read_x_display([&asked] {
        ++asked;
        return asked == 1 ? DisplayArea{-5, 0, 8, 4} : DisplayArea{0, 0, 8, 4};
    });
    ASSERT_FALSE(shot.empty()) << shot.why;
    EXPECT_EQ(2, asked);
    EXPECT_EQ(8, shot.width);
    EXPECT_EQ(4, shot.height);
    EXPECT_EQ(32u, shot.pixels.size());
}

} // namespace
