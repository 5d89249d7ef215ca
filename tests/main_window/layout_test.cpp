// Layout arithmetic: minimum size, controls following the right edge, the attached window.
#include <gtest/gtest.h>

#include "main_window/layout.h"

namespace {

using namespace dovrin;

TEST(Layout, DesignedControlsKeepTheirGapsAfterTheFirstResize)
{
    const MovingControls laidOut =
        FollowRightEdge(designControls, designClientWidth, designClientHeight);
    EXPECT_FLOAT_EQ(laidOut.Combo1.Left, 7485 - 1575 - 120);
    EXPECT_FLOAT_EQ(laidOut.picToolbar.Left, laidOut.Combo1.Left - 1215 - 120);
    EXPECT_EQ(laidOut.picMain, (TwipsRect{0, 1200, 7485, 6405 - 1200}));
    // Only the left edges move.
    EXPECT_FLOAT_EQ(laidOut.Combo1.Top, 817);
    EXPECT_FLOAT_EQ(laidOut.Combo1.Width, 1575);
    EXPECT_FLOAT_EQ(laidOut.picToolbar.Top, 840);
    EXPECT_FLOAT_EQ(laidOut.picToolbar.Height, 255);
}

TEST(Layout, WideningMovesTheRightEdgeControlsAndWidensTheGrid)
{
    const MovingControls before =
        FollowRightEdge(designControls, designClientWidth, designClientHeight);
    const MovingControls after =
        FollowRightEdge(before, designClientWidth + 1500, designClientHeight);
    EXPECT_FLOAT_EQ(after.Combo1.Left - before.Combo1.Left, 1500);
    EXPECT_FLOAT_EQ(after.picToolbar.Left - before.picToolbar.Left, 1500);
    EXPECT_FLOAT_EQ(after.picMain.Width - before.picMain.Width, 1500);
    EXPECT_FLOAT_EQ(designClientWidth + 1500 - (after.Combo1.Left + after.Combo1.Width), 120);
    EXPECT_FLOAT_EQ(after.Combo1.Left - (after.picToolbar.Left + after.picToolbar.Width), 120);
}

TEST(Layout, GridFillsTheHeightBelowItsTopAndSurvivesAMinimizedWindow)
{
    const MovingControls taller = FollowRightEdge(designControls, 7485, 9000);
    EXPECT_FLOAT_EQ(taller.picMain.Height, 9000 - 1200);
    // A minimized window has no client height: picMain keeps its size, the rest still moves.
    const MovingControls minimized = FollowRightEdge(taller, 9000, 0);
    EXPECT_EQ(minimized.picMain, taller.picMain);
    EXPECT_FLOAT_EQ(minimized.Combo1.Left, 9000 - 1575 - 120);
}

TEST(Layout, InformationWindowStandsFlushAtTheRightEdge)
{
    const TwipsRect info = AttachInfoWindow({1500, 900, 7605, 6930}, 3675);
    EXPECT_EQ(info, (TwipsRect{1500 + 7605, 900, 3675, 6930}));
    EXPECT_TRUE(InfoWindowShown(WindowState::Normal));
    EXPECT_FALSE(InfoWindowShown(WindowState::Minimized));
    EXPECT_FALSE(InfoWindowShown(WindowState::Maximized));
}

TEST(Layout, TwipsAndPixels)
{
    EXPECT_FLOAT_EQ(TwipsPerPixel(96), 15);
    EXPECT_FLOAT_EQ(TwipsPerPixel(120), 12);
    EXPECT_EQ(TwipsToPixels(7485, 15), 499);
    EXPECT_EQ(TwipsToPixels(1200, 15), 80);
    EXPECT_EQ(TwipsToPixels(817, 15), 54);   // 54.47
    EXPECT_EQ(TwipsToPixels(7.5f, 1), 8);    // half to even
    EXPECT_FLOAT_EQ(PixelsToTwips(499, 15), 7485);
}

}  // namespace
