// The main window on the offscreen platform: start-up, real key presses, clicks, buttons,
// the font list, layout, the attached information window and shutdown.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "calendar/date_serial.h"
#include "info_window/day_info_text.h"
#include "main_window/font_filter.h"
#include "main_window/qt/frmMainWidget.h"
#include "tests/support/pinned_today.h"
#include "tests/support/select_day.h"

namespace {

using dovrin::test::Ymd;

// One started main window shared by the cases, as start-up fills the font list once.
class MainWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        window = new frmMainWidget(clock);
        window->Form_Load();
    }
    static void TearDownTestSuite()
    {
        delete window;
        window = nullptr;
    }
    void SetUp() override { Select({2024, 2, 10}); }

    static frmMain& Form() { return window->Logic(); }
    static Ymd Selected() { return {Form().CurYear, Form().CurMonth, Form().CurDay}; }
    static void Select(Ymd day) { SelectDay(*window, day); }
    static void Press(Qt::Key key) { QTest::keyClick(window->picMain, key); }
    // Centre of the cell in row r, column c, in picMain's pixels.
    static QPoint CellCentre(float row, float column)
    {
        const float heading = window->picMain->TextHeight("星期") + 6;
        return QPoint(static_cast<int>(column * Form().CellWidth + Form().CellWidth / 2),
                      static_cast<int>(heading + row * Form().CellHeight + Form().CellHeight / 2));
    }
    static QString Title() { return window->windowTitle(); }

    static inline dovrin::FixedClock clock{{2024, 2, 10}};
    static frmMainWidget* window;
};
frmMainWidget* MainWindow::window = nullptr;

TEST_F(MainWindow, StartsOnTodayWithBothWindowsAndAFilteredFontList)
{
    EXPECT_TRUE(window->isVisible());
    ASSERT_NE(window->frmInfo(), nullptr);
    EXPECT_TRUE(window->frmInfo()->isVisible());
    // 3555 twips wide at 96 dpi, as the main window lays it out.
    EXPECT_EQ(window->frmInfo()->width(), 237);
    EXPECT_TRUE(Form().IsReady);
    EXPECT_TRUE(window->Combo1->isEnabled());
    ASSERT_GT(window->Combo1->count(), 0);
    for (int i = 0; i < window->Combo1->count(); ++i)
        EXPECT_TRUE(dovrin::FontPassesFilter(window->Combo1->itemText(i).toStdString()));
    // The entry that names the grid's font is selected, if there is one.
    const int match = window->Combo1->findText(QString::fromStdString(window->picMain->FontName()),
                                               Qt::MatchExactly | Qt::MatchCaseSensitive);
    EXPECT_EQ(window->Combo1->currentIndex(), match);
}

TEST_F(MainWindow, LabelsCaptionAndDayTextFollowTheSelection)
{
    const QString label = QStringLiteral("2024年2月10日 星期六  甲辰(龙) 一月初一");
    EXPECT_EQ(window->Label1->text(), label);
    EXPECT_EQ(window->Label2->text(), label);
    EXPECT_EQ(Title(), QStringLiteral("Dovrin万年历 - [") + label + "]");
    EXPECT_TRUE(window->frmInfo()->Text1->toPlainText().contains(
        QStringLiteral("日程信息 (2024年2月10日)")));
    Select({2008, 1, 15});
    EXPECT_EQ(window->Label1->text(), QStringLiteral("2008年1月15日 星期二  丁亥(猪) 十二月初八"));
    EXPECT_TRUE(window->frmInfo()->Text1->toPlainText().contains(
        QStringLiteral("日程信息 (2008年1月15日)")));
    EXPECT_FALSE(window->frmInfo()->Text1->toPlainText().contains(QStringLiteral("2024年")));
}

TEST_F(MainWindow, KeysOnTheGridNavigate)
{
    Select({2024, 2, 28});
    Press(Qt::Key_Right);
    EXPECT_EQ(Selected(), (Ymd{2024, 2, 29}));
    Press(Qt::Key_Right);
    EXPECT_EQ(Selected(), (Ymd{2024, 3, 1}));
    Press(Qt::Key_Left);
    EXPECT_EQ(Selected(), (Ymd{2024, 2, 29}));
    Select({2024, 1, 28});
    Press(Qt::Key_Down);
    EXPECT_EQ(Selected(), (Ymd{2024, 2, 1}));
    Select({2024, 3, 5});
    Press(Qt::Key_Up);
    EXPECT_EQ(Selected(), (Ymd{2024, 2, 29}));
    Press(Qt::Key_PageDown);
    EXPECT_EQ(Selected(), (Ymd{2024, 3, 1}));
    Press(Qt::Key_PageUp);
    Press(Qt::Key_PageUp);
    EXPECT_EQ(Selected(), (Ymd{2024, 1, 1}));
    EXPECT_TRUE(Title().contains(QStringLiteral("2024年1月1日")));
    // A modifier changes nothing about the step.
    QTest::keyClick(window->picMain, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(Selected(), (Ymd{2024, 1, 2}));
}

TEST_F(MainWindow, KeysAtTheEndsOfTheRange)
{
    Select({2049, 12, 31});
    Press(Qt::Key_Right);
    EXPECT_EQ(Selected(), (Ymd{2049, 1, 1}));
    Select({1901, 1, 1});
    Press(Qt::Key_Left);
    EXPECT_EQ(Selected(), (Ymd{1901, 12, 31}));
    Select({1901, 1, 15});
    Press(Qt::Key_PageUp);
    EXPECT_EQ(Selected(), (Ymd{1901, 12, 1}));
}

TEST_F(MainWindow, ClicksOnCellCentresSelectWithEveryButton)
{
    Select({2022, 10, 3});  // the 1st is a Saturday
    QTest::mouseClick(window->picMain, Qt::LeftButton, {}, CellCentre(0, 6));
    EXPECT_EQ(Selected(), (Ymd{2022, 10, 1}));
    QTest::mouseClick(window->picMain, Qt::RightButton, {}, CellCentre(2, 3));
    EXPECT_EQ(Selected(), (Ymd{2022, 10, 12}));
    QTest::mouseClick(window->picMain, Qt::MiddleButton, {}, CellCentre(5, 1));
    EXPECT_EQ(Selected(), (Ymd{2022, 10, 31}));
    EXPECT_TRUE(Title().contains(QStringLiteral("2022年10月31日")));
    // An empty cell redraws without selecting.
    const auto redraws = window->Redraws();
    QTest::mouseClick(window->picMain, Qt::LeftButton, {}, CellCentre(0, 0));
    EXPECT_EQ(Selected(), (Ymd{2022, 10, 31}));
    EXPECT_EQ(window->Redraws(), redraws + 1);
    // The heading does nothing at all.
    QTest::mouseClick(window->picMain, Qt::LeftButton, {}, QPoint(CellCentre(0, 2).x(), 2));
    EXPECT_EQ(window->Redraws(), redraws + 1);
    EXPECT_EQ(Selected(), (Ymd{2022, 10, 31}));
}

TEST_F(MainWindow, FiveButtonsWithTheirTooltips)
{
    const char* tips[] = {"上一年", "上一月", "下一月", "下一年", "转到今天"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(window->Image2[i]->toolTip(), QString::fromUtf8(tips[i]));

    Select({2024, 2, 29});
    QTest::mouseClick(window->Image2[3], Qt::LeftButton);
    EXPECT_EQ(Selected(), (Ymd{2025, 2, 1}));
    QTest::mouseClick(window->Image2[0], Qt::LeftButton);
    EXPECT_EQ(Selected(), (Ymd{2024, 2, 1}));
    QTest::mouseClick(window->Image2[1], Qt::LeftButton);
    EXPECT_EQ(Selected(), (Ymd{2024, 1, 1}));
    QTest::mouseClick(window->Image2[2], Qt::LeftButton);
    QTest::mouseClick(window->Image2[2], Qt::LeftButton);
    EXPECT_EQ(Selected(), (Ymd{2024, 3, 1}));
    QTest::mouseClick(window->Image2[4], Qt::LeftButton);
    EXPECT_EQ(Selected(), (Ymd{2024, 2, 10}));
    // A click leaves the keyboard with the grid; Tab alone reaches the buttons.
    EXPECT_TRUE(window->picMain->hasFocus() || !window->isActiveWindow());
    EXPECT_EQ(window->Image2[0]->focusPolicy(), Qt::TabFocus);
}

TEST_F(MainWindow, TabGoesThroughTheControlsAndEnterPressesAButton)
{
    // Along the top row, then down to the grid, and round again.
    QList<QWidget*> order;
    QWidget* widget = window->picMain;
    do {
        widget = widget->nextInFocusChain();
        if (widget->focusPolicy() & Qt::TabFocus && widget->isVisibleTo(window)) order.append(widget);
    } while (widget != window->picMain);
    EXPECT_EQ(order, (QList<QWidget*>{window->Image2[0], window->Image2[1], window->Image2[2], window->Image2[3],
                                      window->Image2[4], window->Combo1, window->picMain}));

    Select({2024, 2, 29});
    QTest::keyClick(window->Image2[Image2NextMonth], Qt::Key_Return);
    QTest::qWait(250);  // a pressed look first, as a click shows
    EXPECT_EQ(Selected(), (Ymd{2024, 3, 1}));
    QTest::keyClick(window->Image2[Image2PreviousMonth], Qt::Key_Space);
    EXPECT_EQ(Selected(), (Ymd{2024, 2, 1}));
}

TEST_F(MainWindow, AButtonPressedFromTheKeysHandsTheGridItsDayOrSaysWhyTheDayStays)
{
    window->activateWindow();
    const auto press = [](int index) {
        window->Notice->setAccessibleName({});
        window->Image2[index]->setFocus(Qt::TabFocusReason);
        QTest::keyClick(window->Image2[index], Qt::Key_Space);
        return window->Notice->isVisible() ? window->Notice->accessibleName() : QString();
    };
    EXPECT_EQ(press(Image2PreviousYear), QString());
    EXPECT_EQ(Selected(), (Ymd{2023, 2, 1}));
    EXPECT_TRUE(window->picMain->hasFocus());

    Select({1901, 1, 1});
    EXPECT_EQ(press(Image2PreviousYear), QStringLiteral("已是最早的年份 1901年"));
    EXPECT_TRUE(window->Image2[Image2PreviousYear]->hasFocus());
    Select({2049, 12, 1});
    EXPECT_EQ(press(Image2NextYear), QStringLiteral("已是最后的年份 2049年"));
    Select({2024, 2, 10});
    EXPECT_EQ(press(Image2Today), QStringLiteral("已是今天 2024年2月10日"));
    clock.Day = {2101, 6, 1};
    Select({2049, 12, 31});
    EXPECT_EQ(press(Image2Today), QStringLiteral("今天不在1901年至2049年之间，已是 2049年12月31日"));
    clock.Day = {2024, 2, 10};
    EXPECT_EQ(Selected(), (Ymd{2049, 12, 31}));
    window->picMain->setFocus();
}

TEST_F(MainWindow, GoToTodayHoldsAWrongClockWithinTheRange)
{
    clock.Day = {2101, 6, 1};
    QTest::mouseClick(window->Image2[4], Qt::LeftButton);
    EXPECT_EQ(Selected(), (Ymd{2049, 12, 31}));
    clock.Day = {1850, 6, 1};
    QTest::mouseClick(window->Image2[4], Qt::LeftButton);
    EXPECT_EQ(Selected(), (Ymd{1901, 1, 1}));
    clock.Day = {2024, 2, 10};
}

TEST_F(MainWindow, ChoosingAFontRedrawsTheGridInIt)
{
    ASSERT_GT(window->Combo1->count(), 1);
    const int other = window->Combo1->currentIndex() == 0 ? 1 : 0;
    const auto redraws = window->Redraws();
    window->Combo1->setCurrentIndex(other);
    EXPECT_EQ(QString::fromStdString(window->picMain->FontName()),
              window->Combo1->itemText(other));
    EXPECT_EQ(window->Redraws(), redraws + 1);
}

TEST_F(MainWindow, GridPaintsTheBandTheSeparatorAndWhiteCells)
{
    const QImage& picture = window->picMain->Picture();
    const int th = static_cast<int>(window->picMain->TextHeight("星期"));
    const qreal ratio = picture.devicePixelRatio();
    auto pixel = [&](int x, int y) {
        return picture.pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
    };
    EXPECT_EQ(pixel(1, th + 4), QColor(236, 233, 216));
    EXPECT_EQ(pixel(1, th + 5), QColor(182, 189, 210));
    const QPoint centre = CellCentre(3, 3);
    EXPECT_EQ(pixel(centre.x() + 20, centre.y() + 20), QColor(Qt::white));
    EXPECT_EQ(pixel(static_cast<int>(Form().CellWidth), centre.y()), QColor(182, 189, 210));
}

TEST_F(MainWindow, WideningMovesTheRightEdgeControlsAndRedrawsTheGrid)
{
    const int gap = 8;  // 120 twips at 96 dpi
    window->resize(window->width() + 100, window->height() + 40);
    QApplication::processEvents();
    EXPECT_EQ(window->width() - window->Combo1->geometry().right() - 1, gap);
    EXPECT_EQ(window->Combo1->x() - window->picToolbar->geometry().right() - 1, gap);
    EXPECT_EQ(window->picMain->geometry(), QRect(0, 80, window->width(), window->height() - 80));
    EXPECT_FLOAT_EQ(Form().CellWidth, static_cast<float>(window->width()) / 7.0f);
    EXPECT_EQ(window->picMain->Picture().size() / window->picMain->Picture().devicePixelRatio(),
              window->picMain->size());
    EXPECT_EQ(window->Image1->pos(), QPoint(8, 8));
    EXPECT_EQ(window->Label1->pos(), QPoint(64, 24));
    EXPECT_EQ(window->Label2->pos(), QPoint(66, 26));
    // Never smaller than the designed size.
    window->resize(200, 150);
    QApplication::processEvents();
    EXPECT_EQ(window->size(), QSize(499, 427));
}

TEST_F(MainWindow, InformationWindowStaysFlushAtTheRightEdge)
{
    frmInfoWidget* info = window->frmInfo();
    window->move(40, 30);
    QApplication::processEvents();
    QRect main = window->frameGeometry();
    EXPECT_EQ(info->frameGeometry().topLeft(), QPoint(main.x() + main.width(), main.y()));
    EXPECT_EQ(info->frameGeometry().height(), main.height());
    const int infoWidth = info->frameGeometry().width();

    window->resize(window->width() + 60, window->height() + 90);
    QApplication::processEvents();
    main = window->frameGeometry();
    EXPECT_EQ(info->frameGeometry(), QRect(main.x() + main.width(), main.y(), infoWidth, main.height()));

    window->showMinimized();
    QApplication::processEvents();
    EXPECT_FALSE(info->isVisible());
    window->showNormal();
    QApplication::processEvents();
    EXPECT_TRUE(info->isVisible());
    main = window->frameGeometry();
    EXPECT_EQ(info->frameGeometry(), QRect(main.x() + main.width(), main.y(), infoWidth, main.height()));
}

TEST_F(MainWindow, ADraggedInformationWindowGoesBackEveryTime)
{
    frmInfoWidget* info = window->frmInfo();
    window->move(60, 50);
    QApplication::processEvents();
    const auto flush = [info] {
        const QRect main = window->frameGeometry();
        return info->frameGeometry() ==
               QRect(main.x() + main.width(), main.y(), info->frameGeometry().width(), main.height());
    };
    const auto settle = window->InfoSettleTime + std::chrono::milliseconds(50);
    for (const QPoint spot : {QPoint(300, 600), QPoint(100, 100), QPoint(700, 20)}) {
        QTest::qWait(static_cast<int>(settle.count()));
        info->move(spot);
        EXPECT_TRUE(flush()) << spot.x() << "," << spot.y();
    }
    // Pushed again right after being put back, as a window manager might: it goes back once
    // it has stayed still.
    info->move(400, 400);
    EXPECT_TRUE(QTest::qWaitFor(flush, 2000));
}

TEST_F(MainWindow, APlacementWhileHiddenKeepsTheFrameItHadWhenShown)
{
    frmInfoWidget* info = window->frmInfo();
    const QMargins frame = info->FrameMargins();
    const QRect shownFrame = info->frameGeometry();
    EXPECT_EQ(shownFrame, info->geometry().marginsAdded(frame));
    window->showMinimized();
    QApplication::processEvents();
    ASSERT_FALSE(info->isVisible());
    // Placed while hidden: its outer size and place are those of the frame it will have.
    window->resize(window->width() + 30, window->height() + 50);
    QApplication::processEvents();
    EXPECT_EQ(info->FrameMargins(), frame);
    EXPECT_EQ(info->OuterGeometry().size(), QSize(shownFrame.width(), window->frameGeometry().height()));
    window->showNormal();
    QApplication::processEvents();
    const QRect main = window->frameGeometry();
    EXPECT_EQ(info->frameGeometry(), QRect(main.x() + main.width(), main.y(), shownFrame.width(), main.height()));
}

TEST_F(MainWindow, TheUserCannotCloseTheInformationWindow)
{
    EXPECT_FALSE(window->frmInfo()->close());
    EXPECT_TRUE(window->frmInfo()->isVisible());
}

TEST(MainWindowLifetime, ClosingIsRefusedWhileTheFontListFillsThenEndsBothWindows)
{
    const dovrin::FixedClock clock({2024, 2, 10});
    frmMainWidget window(clock);
    bool closedWhileLoading = true;
    bool readyWhileLoading = true;
    QTimer::singleShot(0, &window, [&] {
        readyWhileLoading = window.Logic().IsReady;
        closedWhileLoading = window.close();
    });
    window.Form_Load();
    EXPECT_FALSE(readyWhileLoading);
    EXPECT_FALSE(closedWhileLoading);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.frmInfo()->isVisible());
}

TEST(MainWindowLifetime, StartsWithinTheRangeWhenTheClockIsWrong)
{
    const dovrin::FixedClock clock({2077, 7, 7});
    frmMainWidget window(clock);
    window.Form_Load();
    EXPECT_EQ(window.Logic().CurYear, 2049);
    EXPECT_EQ(window.Logic().CurMonth, 12);
    EXPECT_EQ(window.Logic().CurDay, 31);
    EXPECT_TRUE(window.Label1->text().startsWith(QStringLiteral("2049年12月31日")));
    window.close();
}

}  // namespace
