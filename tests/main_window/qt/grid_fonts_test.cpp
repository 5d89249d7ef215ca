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

// October 2027 at the minimum size, with the 8th (全国高血压日, 重阳节, 寒露) selected and bold.
class GridFonts : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        window = new frmMainWidget(clock);
        window->Form_Load();
    }
    static void TearDownTestSuite() { delete window; }

    // The boxes of the four lines of each cell never meet and end before the cell's right
    // edge; with `inCells`, they also stay between the grid lines above and below the cell.
    static void ExpectLinesApart(bool inCells)
    {
        ASSERT_EQ(window->size(), window->minimumSize());
        const std::vector<QRectF>& boxes = window->picMain->PrintedBoxes();
        ASSERT_EQ(boxes.size(), 4u * 31 + 7);  // the weekday names come last
        const float th = window->picMain->TextHeight("星期");
        const float cell = window->Logic().CellHeight;
        const float width = window->Logic().CellWidth;
        const int offset = dovrin::WeekdayOfDate(2027, 10, 1) - 1;
        for (std::size_t k = 0; k < 4 * 31; ++k) {
            const std::size_t first = k - k % 4;
            const auto row = static_cast<float>((offset + static_cast<int>(k / 4)) / 7);
            for (std::size_t j = first; j < k; ++j)
                EXPECT_FALSE(boxes[k].intersects(boxes[j])) << "day " << k / 4 + 1;
            if (inCells && !boxes[k].isEmpty()) {
                EXPECT_GE(boxes[k].top(), row * cell + th + 5) << "day " << k / 4 + 1;
                EXPECT_LE(boxes[k].bottom(), (row + 1) * cell + th + 4) << "day " << k / 4 + 1;
            }
            // A name too long for its cell is cut short: every line ends inside the cell's
            // padding of 4 pixels, whatever the face (a pixel for the rounded cell corner).
            if (!boxes[k].isEmpty()) {
                const auto column = static_cast<float>((offset + static_cast<int>(k / 4)) % 7);
                EXPECT_LE(boxes[k].right(), (column + 1) * width - 3) << "day " << k / 4 + 1;
            }
        }
    }

    static inline dovrin::FixedClock clock{{2027, 10, 8}};
    static inline frmMainWidget* window = nullptr;
};

TEST_F(GridFonts, SongTiIsAMingFaceOfTwelvePixelLinesThatKeepsEveryLineInItsCell)
{
    const QString uming = QStringLiteral("AR PL UMing CN");
    EXPECT_EQ(QString::fromStdString(window->picMain->FontName()), uming);
    EXPECT_EQ(QFontInfo(window->Label1->font()).family(), uming);
    EXPECT_EQ(window->Combo1->currentText(), uming);
    EXPECT_EQ(window->Combo1->toolTip(), uming);
    EXPECT_EQ(window->picMain->TextHeight("星期"), 12.0f);  // 9 points at 96 dpi
    ExpectLinesApart(true);
}

TEST_F(GridFonts, EveryListedFaceDrawsChineseWithTheLinesOfACellApart)
{
    QSet<QString> seen;
    for (int i = 0; i < window->Combo1->count(); ++i) {
        const QString family = window->Combo1->itemText(i);
        SCOPED_TRACE(family.toStdString());
        EXPECT_FALSE(seen.contains(family) || family.endsWith(QLatin1Char(']')));  // no foundry copies
        seen.insert(family);
        window->Combo1->setCurrentIndex(i);
        ExpectLinesApart(false);

        QTextLayout layout(QStringLiteral("重阳节"), QFont(family, 9));
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns()) EXPECT_TRUE(run.rawFont().supportsCharacter(QChar(0x91CD)));
    }
    EXPECT_GE(window->Combo1->view()->minimumWidth(), window->Combo1->view()->sizeHintForColumn(0));
    EXPECT_FALSE(dovrin::ShowsCalendarText(QStringLiteral("DejaVu Sans")));  // no Chinese
    EXPECT_FALSE(dovrin::ShowsCalendarText(QStringLiteral("Standard Symbols PS [urw]")));
    EXPECT_TRUE(dovrin::ShowsCalendarText(QStringLiteral("Noto Sans CJK SC")));
}

}  // namespace
