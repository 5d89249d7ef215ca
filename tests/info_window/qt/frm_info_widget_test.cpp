// The information window: its text box, the text assignment and the refused close.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTextBlock>
#include <QTest>

#include <string>

#include "info_window/qt/frmInfoWidget.h"

namespace {

std::string LongText(int lines)
{
    std::string text;
    for (int i = 0; i < lines; ++i) text += "第" + std::to_string(i) + "行\r\n";
    return text;
}

TEST(frmInfo, IsACompanionToolWindowWithItsCaptionAndFont)
{
    frmInfoWidget info(QSize(237, 398));
    EXPECT_EQ(info.windowTitle(), QStringLiteral("日程信息"));
    EXPECT_TRUE(info.windowFlags() & Qt::Tool);  // not listed in the task bar
    EXPECT_FALSE(info.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(info.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(info.Text1->font().family(), QStringLiteral("宋体"));
    EXPECT_EQ(info.Text1->font().pointSize(), 9);
    EXPECT_TRUE(info.Text1->isReadOnly());
    EXPECT_EQ(info.Text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(info.Text1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(info.Text1->lineWrapMode(), QTextEdit::WidgetWidth);
    // 3555 x 5970 twips at 96 dpi.
    EXPECT_EQ(info.size(), QSize(237, 398));
}

TEST(frmInfo, CrLfIsOneLineBreakAndEveryTextReplacesTheLast)
{
    frmInfoWidget info(QSize(237, 398));
    info.SetText("公历：2008年2月8日 星期五\r\n\r\n农历节日：\r\n");
    EXPECT_EQ(info.Text1->toPlainText(), QStringLiteral("公历：2008年2月8日 星期五\n\n农历节日：\n"));
    info.SetText("a\nb");  // a lone LF inside a record stays a break of its own
    EXPECT_EQ(info.Text1->toPlainText(), QStringLiteral("a\nb"));
}

TEST(frmInfo, EveryNewTextStartsAtItsFirstLine)
{
    frmInfoWidget info(QSize(237, 398));
    info.show();
    info.SetText(LongText(300));
    QScrollBar* bar = info.Text1->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    info.SetText(LongText(301));
    EXPECT_EQ(bar->value(), 0);
}

TEST(frmInfo, TheSameDaysTextKeepsTheCaretAndANewDayStartsAtItsHeading)
{
    frmInfoWidget info(QSize(237, 398));
    info.show();
    const std::string day = "Dovrin万年历\r\n网址\r\n=====\r\n日程信息 (2026年3月5日)\r\n=====\r\n" + LongText(300);
    info.SetText(day);
    EXPECT_EQ(info.Text1->textCursor().block().text(), QStringLiteral("日程信息 (2026年3月5日)"));
    EXPECT_EQ(info.Text1->verticalScrollBar()->value(), 0);
    info.Text1->moveCursor(QTextCursor::End);
    const int place = info.Text1->textCursor().position();
    const int scrolled = info.Text1->verticalScrollBar()->value();
    info.SetText(day);  // a redraw of the same day, as a lone Shift brings
    EXPECT_EQ(info.Text1->textCursor().position(), place);
    EXPECT_EQ(info.Text1->verticalScrollBar()->value(), scrolled);
    info.SetText("no separator\r\nat all");
    EXPECT_EQ(info.Text1->textCursor().position(), 0);
}

TEST(frmInfo, ReadOnlyTextWithACaretAndSeparatorsDrawnAsBefore)
{
    // Painted as the characters they were, held as empty lines: a screen reader reads no
    // run of signs, and copying or a caret on the line finds nothing there.
    frmInfoWidget info(QSize(237, 398));
    info.show();
    info.SetText("第一行\r\n===================================\r\n第三行\r\n");
    EXPECT_EQ(info.Text1->toPlainText(), QStringLiteral("第一行\n\n第三行\n"));
    QTextEdit plain(&info);
    plain.setFont(info.Text1->font());
    plain.setGeometry(info.Text1->geometry());
    plain.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    plain.setPlainText(QStringLiteral("第一行\n===================================\n第三行\n"));
    plain.show();
    info.Text1->raise();
    EXPECT_EQ(info.Text1->viewport()->grab().toImage(), plain.viewport()->grab().toImage());

    EXPECT_TRUE(info.Text1->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    EXPECT_EQ(info.Text1->focusPolicy(), Qt::StrongFocus);
    info.Text1->moveCursor(QTextCursor::End);
    QTest::keyClicks(info.Text1, QStringLiteral("x"));
    EXPECT_EQ(info.Text1->toPlainText(), QStringLiteral("第一行\n\n第三行\n"));  // typing changes nothing
    info.SetText(LongText(5));
    EXPECT_EQ(info.Text1->textCursor().position(), 0);
}

TEST(frmInfo, TextBoxCoversTheClientAreaAtAnyHeight)
{
    frmInfoWidget info(QSize(237, 398));
    info.show();
    const int width = info.width();
    info.PlaceOuter(300, 40, info.frameGeometry().width(), 600);
    EXPECT_EQ(info.frameGeometry().height(), 600);
    EXPECT_EQ(info.width(), width);  // the window keeps its own width
    EXPECT_EQ(info.Text1->geometry(), info.rect());
    EXPECT_EQ(info.frameGeometry().topLeft(), QPoint(300, 40));
    // The user cannot resize it.
    EXPECT_EQ(info.minimumSize(), info.maximumSize());
}

TEST(frmInfo, RefusesTheUsersCloseButNotTheProgramsUnload)
{
    frmInfoWidget info(QSize(237, 398));
    info.show();
    EXPECT_FALSE(info.close());
    EXPECT_TRUE(info.isVisible());
    info.Unload();
    EXPECT_FALSE(info.isVisible());
}

}  // namespace
