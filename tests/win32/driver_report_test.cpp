// The account of the last driver choice with the real drivers: a DirectDraw that cannot open, an
// OpenGL screen asked of GDI, and a full-screen request the display cannot meet.
#include "dx_test_support.h"

#include <string>

#include "gfx/core/driver_report.h"
#include "gfx/drivers/gdi_driver.h"

namespace {

using DriverReportWin32 = DxScreenTest;

// The lines of the report, in order.
std::vector<std::string> report_lines() {
    std::vector<std::string> lines;
    std::string text = gfx_driver_report();
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find('\n', start);
        EXPECT_NE(std::string::npos, end) << "every line ends with a newline";
        if (end == std::string::npos) {
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

TEST_F(DriverReportWin32, ARefusedDirectDrawSaysSoAndGdiOpens) {
    dx_refuse_to_open = 1;
    set_test_title("qzgfx report refused");
    ASSERT_EQ(0, gfx_screen(13, 0, 0, 0, 0));
    ASSERT_EQ(&GFX_DRIVER_GDI, gfx_context->driver);
    const std::vector<std::string> expected = {"DirectX, windowed: DirectDraw is not available",
                                               "DirectX, windowed: DirectDraw is not available",
                                               "GDI, windowed: opened"};
    EXPECT_EQ(expected, report_lines());
}

TEST_F(DriverReportWin32, AnOpenGlScreenUnderQzgfxGdiEndsOnOpenGl) {
    _putenv("QZGFX=GDI");
    set_test_title("qzgfx report opengl");
    ASSERT_EQ(0, gfx_screen_res(320, 200, 32, 0, SCREEN_OPENGL, 0));
    ASSERT_EQ(&GFX_DRIVER_OPENGL, gfx_context->driver);
    const std::vector<std::string> expected = {"GDI, windowed: does not open OpenGL screens",
                                               "GDI, windowed: does not open OpenGL screens",
                                               "DirectX, windowed: does not open OpenGL screens",
                                               "DirectX, windowed: does not open OpenGL screens",
                                               "GDI, windowed: does not open OpenGL screens",
                                               "GDI, windowed: does not open OpenGL screens",
                                               "OpenGL, windowed: opened"};
    EXPECT_EQ(expected, report_lines());
}

// The virtual display cannot change its mode, so every driver refuses full screen and the second
// pass opens a window; each refusal says why.
TEST_F(DriverReportWin32, AFailedFullScreenRequestSaysWhyEachDriverRefused) {
    set_test_title("qzgfx report full screen");
    ASSERT_EQ(0, gfx_screen_res(1280, 1100, 8, 0, SCREEN_FULLSCREEN, 0));
    expect_directx();
    const std::vector<std::string> expected = {
        "DirectX, full screen: found no display mode of 1280 x 1100 (or taller) at 8 bits",
        "DirectX, full screen: found no display mode of 1280 x 1100 (or taller) at 8 bits",
        "GDI, full screen: has no full-screen mode",
        "GDI, full screen: has no full-screen mode",
        "OpenGL, full screen: opens only OpenGL screens",
        "OpenGL, full screen: opens only OpenGL screens",
        "DirectX, windowed: opened"};
    EXPECT_EQ(expected, report_lines());
}

} // namespace
