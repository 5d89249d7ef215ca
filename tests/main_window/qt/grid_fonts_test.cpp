// The grid's fonts with the faces the set-up installs: the stand-in for 宋体, text lines that
// never run into each other, and a font list of faces that draw Chinese.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QFontInfo>
#include <QGlyphRun>
#include <QRawFont>
#include <QSet>
#include <QTextLayout>

#include "calendar/date_serial.h"
#include "main_window/qt/frmMainWidget.h"
#include "main_window/qt/grid_fonts.h"

namespace {

// October 2027 on a window of the designed (and minimum) size: the 8th has three texts
// (全国高血压日, 重阳节, 寒露) and is selected, so bold.
class GridFonts : public ::testing::Test {
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
    void SetUp() override
    {
        ASSERT_EQ(window->size(), window->minimumSize());
        frmMain& form = window->Logic();
        form.CurYear = 2027, form.CurMonth = 10, form.CurDay = 8;
        form.ReDrawCalendar();
    }

    // The four lines of every cell, as boxes around the faces that drew them.
    static void ExpectLinesApart(bool insideTheirCells)
    {
        const frmMain& form = window->Logic();
        const std::vector<QRectF>& boxes = window->picMain->PrintedBoxes();
        const int days = 31;
        ASSERT_EQ(boxes.size(), 4u * days + 7);  // then the weekday names
        const float th = window->picMain->TextHeight("星期");
        const int offset = dovrin::WeekdayOfDate(2027, 10, 1) - 1;
        for (int d = 1; d <= days; ++d) {
            const auto first = static_cast<std::size_t>(4 * (d - 1));
            for (std::size_t k = first; k < first + 4; ++k) {
                for (std::size_t j = first; j < k; ++j)
                    EXPECT_FALSE(boxes[k].intersects(boxes[j])) << "day " << d << ", lines " << j - first
                                                               << " and " << k - first;
                if (!insideTheirCells || boxes[k].isEmpty()) continue;
                // Between the grid lines above and below the cell's row.
                const int row = (offset + d - 1) / 7;
                EXPECT_GE(boxes[k].top(), static_cast<float>(row) * form.CellHeight + th + 5) << "day " << d;
                EXPECT_LE(boxes[k].bottom(), static_cast<float>(row + 1) * form.CellHeight + th + 4)
                    << "day " << d;
            }
        }
    }

    static inline dovrin::FixedClock clock{{2027, 10, 8}};
    static inline frmMainWidget* window = nullptr;
};

TEST_F(GridFonts, SongTiIsDrawnByAMingFaceOfTwelvePixelLines)
{
    EXPECT_EQ(dovrin::ResolveSongTi(), QStringLiteral("AR PL UMing CN"));
    EXPECT_EQ(QString::fromStdString(window->picMain->FontName()), QStringLiteral("AR PL UMing CN"));
    EXPECT_EQ(QFontInfo(window->Label1->font()).family(), QStringLiteral("AR PL UMing CN"));
    // 9 points at 96 dpi: one em, as the Song face the grid was laid out for.
    EXPECT_EQ(window->picMain->TextHeight("星期"), 12.0f);
    EXPECT_EQ(window->Combo1->currentText(), QStringLiteral("AR PL UMing CN"));
    EXPECT_EQ(window->Combo1->toolTip(), window->Combo1->currentText());
}

TEST_F(GridFonts, TheDefaultFaceKeepsEveryLineInsideItsCell)
{
    ExpectLinesApart(true);
}

TEST_F(GridFonts, EveryListedFaceDrawsChineseAndKeepsTheLinesOfACellApart)
{
    ASSERT_GT(window->Combo1->count(), 0);
    for (int i = 0; i < window->Combo1->count(); ++i) {
        const QString family = window->Combo1->itemText(i);
        SCOPED_TRACE(family.toStdString());
        window->Combo1->setCurrentIndex(i);
        ASSERT_EQ(QString::fromStdString(window->picMain->FontName()), family);
        ExpectLinesApart(false);

        QTextLayout layout(QStringLiteral("重阳节"), QFont(family, 9));
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns())
            EXPECT_TRUE(run.rawFont().supportsCharacter(QChar(0x91CD))) << run.rawFont().familyName().toStdString();
    }
}

TEST_F(GridFonts, TheListHoldsEachFaceOnceAndOnlyFacesThatDrawChinese)
{
    EXPECT_FALSE(dovrin::ShowsCalendarText(QStringLiteral("DejaVu Sans")));  // no Chinese
    EXPECT_FALSE(dovrin::ShowsCalendarText(QStringLiteral("Standard Symbols PS [urw]")));
    EXPECT_FALSE(dovrin::ShowsCalendarText(QStringLiteral("D050000L")));
    EXPECT_TRUE(dovrin::ShowsCalendarText(QStringLiteral("Noto Sans CJK SC")));

    QSet<QString> seen;
    for (int i = 0; i < window->Combo1->count(); ++i) {
        const QString entry = window->Combo1->itemText(i);
        EXPECT_FALSE(seen.contains(entry)) << entry.toStdString();
        EXPECT_FALSE(entry.endsWith(QLatin1Char(']'))) << entry.toStdString();  // no foundry
        seen.insert(entry);
    }
    // The open list shows the longest name whole.
    EXPECT_GE(window->Combo1->view()->minimumWidth(), window->Combo1->view()->sizeHintForColumn(0));
}

}  // namespace
