// Layout arithmetic: minimum size, controls following the right edge, the attached window.
#include <gtest/gtest.h>

#include "main_window/layout.h"

namespace {

using namespace dovrin;

TEST(Layout, DesignedControlsKeepTheirGapsAfterTheFirstResize)
{
    const MovingControls laidOut =
        FollowRightEdge(DesignControls, DesignClientWidth, DesignClientHeight);
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
        FollowRightEdge(DesignControls, DesignClientWidth, DesignClientHeight);
    const MovingControls after =
        FollowRightEdge(before, DesignClientWidth + 1500, DesignClientHeight);
    EXPECT_FLOAT_EQ(after.Combo1.Left - before.Combo1.Left, 1500);
    EXPECT_FLOAT_EQ(after.picToolbar.Left - before.picToolbar.Left, 1500);
    EXPECT_FLOAT_EQ(after.picMain.Width - before.picMain.Width, 1500);
    EXPECT_FLOAT_EQ(DesignClientWidth + 1500 - (after.Combo1.Left + after.Combo1.Width), 120);
    EXPECT_FLOAT_EQ(after.Combo1.Left - (after.picToolbar.Left + after.picToolbar.Width), 120);
}

TEST(Layout, GridFillsTheHeightBelowItsTopAndSurvivesAMinimizedWindow)
{
    const MovingControls taller = FollowRightEdge(DesignControls, 7485, 9000);
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

TEST(Layout, PairMovedTheLeastToFitTheScreen)
{
    struct Row {
        const char* what;
        TwipsRect main;
        TwipsRect expected;
    };
    // A 1366 x 768 screen at 15 twips a pixel; the information window is 3555 twips wide.
    const TwipsRect screen{0, 0, 20490, 11520};
    for (const Row& row : {
             Row{"fits: stays", {3000, 2000, 7500, 6400}, {3000, 2000, 7500, 6400}},
             Row{"companion off the right edge", {12030, 2670, 7500, 6400}, {20490 - 3555 - 7500, 2670, 7500, 6400}},
             Row{"off the left and the bottom", {-900, 9000, 7500, 6400}, {0, 11520 - 6400, 7500, 6400}},
             Row{"pair too wide: the main window alone", {15000, 0, 18000, 6400}, {20490 - 18000, 0, 18000, 6400}},
             Row{"main window too big: left edge and title bar", {500, -300, 21000, 12000}, {0, 0, 21000, 12000}},
         }) {
        EXPECT_EQ(KeepPairOnScreen(row.main, 3555, screen), row.expected) << row.what;
    }
    // A screen that does not start at the origin: a second monitor, or a panel on the left.
    EXPECT_EQ(KeepPairOnScreen({0, 0, 7500, 6400}, 3555, {21000, 450, 15000, 9000}),
              (TwipsRect{21000, 450, 7500, 6400}));
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
