// The main window as assistive technology reads it on the offscreen platform: the grid as a
// table of named day cells, the selection and its events, the tooltips and the named controls.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QRegularExpression>
#include <QTest>
#include <QToolTip>

#include <utility>
#include <vector>

#include "calendar/date_serial.h"
#include "main_window/day_cells.h"
#include "main_window/qt/frmMainWidget.h"
#include "tests/support/pinned_today.h"
#include "tests/support/select_day.h"

namespace {

using dovrin::test::Ymd;

struct Heard {
    QAccessible::Event type;
    QString name;
    QAccessibleInterface* iface;
};

// One started window on 2026-02-16, with the grid's accessibility events recorded instead of sent.
class Accessibility : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        window = new frmMainWidget(clock);
        window->AccessibilityUpdate = Record;
        window->Form_Load();
    }
    static void TearDownTestSuite()
    {
        delete window;
        window = nullptr;
    }
    void SetUp() override
    {
        Select({2026, 2, 16});
        heard.clear();
    }

    static void Record(QAccessibleEvent* event)
    {
        QAccessibleInterface* iface = event->accessibleInterface();
        heard.push_back({event->type(), iface ? iface->text(QAccessible::Name) : QString(), iface});
    }
    static int Count(QAccessible::Event type, const QString& name)
    {
        int count = 0;
        for (const Heard& h : heard) count += h.type == type && h.name == name ? 1 : 0;
        return count;
    }

    static frmMain& Form() { return window->Logic(); }
    static Ymd Selected() { return {Form().CurYear, Form().CurMonth, Form().CurDay}; }
    static void Select(Ymd day) { SelectDay(*window, day); }
    static QAccessibleInterface* Grid() { return QAccessible::queryAccessibleInterface(window->picMain); }
    static QAccessibleInterface* CellOf(int day)
    {
        const dovrin::GridCell cell = dovrin::CellOfDay({Form().CurYear, Form().CurMonth, day});
        return Grid()->tableInterface()->cellAt(cell.row, cell.column);
    }
    static QString Name(QAccessibleInterface* iface) { return iface->text(QAccessible::Name); }

    static inline dovrin::FixedClock clock{{2026, 2, 16}};
    static inline frmMainWidget* window = nullptr;
    static inline std::vector<Heard> heard;
};

TEST_F(Accessibility, TheGridIsATableOfSixWeeksHeadedByTheWeekdays)
{
    QAccessibleInterface* grid = Grid();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->role(), QAccessible::Table);
    EXPECT_EQ(Name(grid), QStringLiteral("2026年2月"));
    QAccessibleTableInterface* table = grid->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 6);
    EXPECT_EQ(table->columnCount(), 7);
    EXPECT_EQ(grid->childCount(), 7 + 42);

    QAccessibleTableCellInterface* monday = table->cellAt(2, 1)->tableCellInterface();
    ASSERT_NE(monday, nullptr);
    ASSERT_EQ(monday->columnHeaderCells().size(), 1);
    EXPECT_EQ(Name(monday->columnHeaderCells()[0]), QStringLiteral("星期一"));
    EXPECT_EQ(grid->indexOfChild(table->cellAt(2, 1)), 7 + 2 * 7 + 1);
}

TEST_F(Accessibility, EachDayCellReadsItsWholeText)
{
    // A lunar holiday and a day off; a solar term. The texts themselves are DayCellText's.
    EXPECT_EQ(Name(CellOf(16)), QStringLiteral("2026年2月16日 星期一，农历十二月廿九，除夕，休（春节）"));
    EXPECT_EQ(Name(CellOf(4)), QStringLiteral("2026年2月4日 星期三，农历十二月十七，立春，六九"));  // 立春 2026 begins the sixth 九
    EXPECT_EQ(CellOf(4)->role(), QAccessible::Cell);
    EXPECT_EQ(CellOf(16)->text(QAccessible::Description), QStringLiteral("今天"));
    EXPECT_EQ(CellOf(17)->text(QAccessible::Description), QString());

    // February 2026 fills four rows exactly: the last two are empty.
    QAccessibleInterface* empty = Grid()->tableInterface()->cellAt(4, 0);
    EXPECT_EQ(Name(empty), QString());
    EXPECT_TRUE(empty->state().disabled);
    EXPECT_FALSE(empty->state().selectable);
}

TEST_F(Accessibility, EachCellLiesWhereItsDayIsPaintedAndClicked)
{
    for (int day = 1; day <= 28; ++day) {
        const QRect cell = CellOf(day)->rect();
        QTest::mouseClick(window->picMain, Qt::LeftButton, {}, window->picMain->mapFromGlobal(cell.center()));
        EXPECT_EQ(Selected(), (Ymd{2026, 2, day}));
    }
    QAccessibleInterface* grid = Grid();
    EXPECT_EQ(grid->childAt(CellOf(9)->rect().center().x(), CellOf(9)->rect().center().y()), CellOf(9));
}

TEST_F(Accessibility, TheSelectionMovesWithTheKeysAndIsAnnouncedOnce)
{
    const QString eve = QStringLiteral("2026年2月16日 星期一，农历十二月廿九，除夕，休（春节）");
    const QString newYear = QStringLiteral("2026年2月17日 星期二，农历一月初一，春节，休（春节）");
    EXPECT_TRUE(CellOf(16)->state().selected);

    QTest::keyClick(window->picMain, Qt::Key_Right);
    EXPECT_FALSE(CellOf(16)->state().selected);
    EXPECT_TRUE(CellOf(17)->state().selected);
    EXPECT_EQ(Grid()->tableInterface()->selectedCells(), QList<QAccessibleInterface*>{CellOf(17)});
    EXPECT_EQ(Count(QAccessible::Selection, newYear), 1);
    EXPECT_EQ(Count(QAccessible::SelectionRemove, eve), 1);
    EXPECT_EQ(Count(QAccessible::Focus, newYear), window->picMain->hasFocus() ? 1 : 0);

    // A redraw that keeps the day, and a click on the heading, say nothing.
    heard.clear();
    QTest::keyClick(window->picMain, Qt::Key_F5);
    QTest::mouseClick(window->picMain, Qt::LeftButton, {}, QPoint(5, 2));
    EXPECT_TRUE(heard.empty());
}

TEST_F(Accessibility, TheFocusGoesToTheDaysWordsInsideItsCellOnEveryMove)
{
    // A screen reader reads the whole row of a focused cell whenever the row changes; the
    // focus goes to the cell's only child, which reads one day, while the cell keeps its
    // row and column and the focused state for the question "where am I".
    window->activateWindow();
    window->picMain->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([] { return window->picMain->hasFocus(); }));
    const auto focusedNow = [] {
        for (auto h = heard.rbegin(); h != heard.rend(); ++h)
            if (h->type == QAccessible::Focus) return h->iface;
        return static_cast<QAccessibleInterface*>(nullptr);
    };
    for (const auto& [key, day] : {std::pair{Qt::Key_Down, 23}, {Qt::Key_Left, 22}, {Qt::Key_Up, 15}}) {
        heard.clear();
        QTest::keyClick(window->picMain, key);
        QAccessibleInterface* cell = CellOf(day);
        QAccessibleInterface* words = focusedNow();
        ASSERT_NE(words, nullptr) << day;
        EXPECT_EQ(words->parent(), cell);
        EXPECT_EQ(cell->childCount(), 1);
        EXPECT_EQ(cell->indexOfChild(words), 0);
        EXPECT_NE(words->role(), QAccessible::Cell);
        EXPECT_EQ(Name(words), Name(cell));
        EXPECT_TRUE(cell->state().focused);
        EXPECT_FALSE(words->state().focused);
    }
    EXPECT_EQ(Grid()->child(0)->childCount(), 0);  // a weekday heading

    // The words a reader holds across a change of month stay valid and read nothing.
    QAccessibleInterface* held = focusedNow();
    QTest::keyClick(window->picMain, Qt::Key_PageDown);
    EXPECT_TRUE(held->isValid());
    EXPECT_EQ(Name(held), QString());
    EXPECT_EQ(focusedNow(), CellOf(1)->child(0));
}

TEST_F(Accessibility, AnotherMonthFocusesAnotherCellAndKeepsTheOldOneValid)
{
    // 1 March lies in the cell of 1 February: the focus still goes to a new object, and the
    // one a reader holds stays readable, off the screen.
    Select({2026, 2, 1});
    QAccessibleInterface* before = CellOf(1);
    const QAccessible::Id beforeId = QAccessible::uniqueId(before);
    heard.clear();
    QTest::keyClick(window->picMain, Qt::Key_PageDown);
    EXPECT_EQ(Selected(), (Ymd{2026, 3, 1}));
    EXPECT_EQ(QAccessible::accessibleInterface(beforeId), before);
    EXPECT_TRUE(before->isValid());
    EXPECT_FALSE(before->state().selected);
    EXPECT_TRUE(before->state().invisible);
    EXPECT_EQ(Name(before), QString());
    EXPECT_EQ(Grid()->indexOfChild(before), -1);
    EXPECT_NE(CellOf(1), before);
    EXPECT_EQ(CellOf(1)->rect().topLeft(), Grid()->tableInterface()->cellAt(0, 0)->rect().topLeft());
    EXPECT_TRUE(CellOf(1)->state().selected);
    EXPECT_EQ(Count(QAccessible::NameChanged, QStringLiteral("2026年3月")), 1);
    EXPECT_EQ(Count(QAccessible::Selection, QStringLiteral("2026年3月1日 星期日，农历一月十三")), 1);

    // A month later the first set is the table's again: the cells tell their new day.
    heard.clear();
    window->Image2[Image2NextMonth]->click();
    EXPECT_EQ(Selected(), (Ymd{2026, 4, 1}));
    EXPECT_EQ(Grid()->indexOfChild(before), 7);
    EXPECT_EQ(Name(before), QString());  // April begins on a Wednesday
    EXPECT_TRUE(before->state().disabled);
    EXPECT_FALSE(before->state().invisible);
    EXPECT_EQ(Count(QAccessible::Selection, Name(CellOf(1))), 1);
    EXPECT_TRUE(Name(CellOf(1)).startsWith(QStringLiteral("2026年4月1日")));
    EXPECT_TRUE(CellOf(1)->state().selected);
}

TEST_F(Accessibility, ATooltipShowsTheDaysWholeTextAndNothingOverAnEmptyCell)
{
    const auto tipAt = [](int day, int row = -1, int column = -1) {
        // A hidden tip fades out first.
        QToolTip::hideText();
        for (int i = 0; i < 100 && QToolTip::isVisible(); ++i) QTest::qWait(10);
        QRect box = day > 0 ? CellOf(day)->rect() : Grid()->tableInterface()->cellAt(row, column)->rect();
        const QPoint local = window->picMain->mapFromGlobal(box.center());
        QHelpEvent help(QEvent::ToolTip, local, window->picMain->mapToGlobal(local));
        QApplication::sendEvent(window->picMain, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    const QString eve = tipAt(16);
    EXPECT_TRUE(eve.contains(Name(CellOf(16)))) << eve.toStdString();
    // A day that begins a solar term gives the term's instant as well.
    const QString term = tipAt(4);
    EXPECT_TRUE(term.contains(Name(CellOf(4))));
    EXPECT_TRUE(term.contains(QRegularExpression(QStringLiteral("立春：\\d\\d:\\d\\d:\\d\\d")))) << term.toStdString();
    EXPECT_FALSE(eve.contains(QRegularExpression(QStringLiteral("\\d\\d:\\d\\d:\\d\\d"))));
    EXPECT_EQ(tipAt(0, 5, 3), QString());
    // A holiday name from the user's file is shown as written, not as markup.
    const dovrin::RestDays builtIn = Form().OfficialDays;
    Form().OfficialDays.Overlay({{{2026, 2, 3}, dovrin::DayOff::Rest, "<b>家</b>"}});
    EXPECT_TRUE(tipAt(3).contains(QStringLiteral("休（&lt;b&gt;家&lt;/b&gt;）"))) << tipAt(3).toStdString();
    Form().OfficialDays = builtIn;
    // The tip keeps the desktop's tooltip face, whichever face the grid has.
    const std::string face = window->picMain->FontName();
    window->picMain->FontName("Noto Serif CJK SC");
    EXPECT_FALSE(tipAt(16).isEmpty());
    int tips = 0;
    for (QWidget* widget : QApplication::allWidgets()) {
        if (!widget->inherits("QTipLabel") || !widget->isVisible()) continue;
        ++tips;
        EXPECT_EQ(widget->font(), QToolTip::font());
    }
    EXPECT_EQ(tips, 1);
    window->picMain->FontName(face);
    QToolTip::hideText();
}

TEST_F(Accessibility, ControlsAreNamedAndTheTitleIsReadOnce)
{
    QAccessibleInterface* main = QAccessible::queryAccessibleInterface(window);
    QStringList roles;
    for (int i = 0; i < main->childCount(); ++i) {
        QAccessibleInterface* child = main->child(i);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(main->indexOfChild(child), i);
        EXPECT_NE(child->object(), window->Label2);
        EXPECT_NE(child->object(), window->Image1);
    }
    EXPECT_EQ(main->childCount(), 4);  // the grid, the title, the button strip and the font list

    for (dovrin::ImageButton* button : window->Image2) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
        EXPECT_EQ(Name(iface), button->toolTip());
        EXPECT_FALSE(Name(iface).isEmpty());
    }

    QAccessibleInterface* fonts = QAccessible::queryAccessibleInterface(window->Combo1);
    const auto labels = fonts->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(Name(labels[0].first), QStringLiteral("字体"));

    QAccessibleInterface* info = QAccessible::queryAccessibleInterface(window->frmInfo()->Text1);
    EXPECT_EQ(Name(info), QStringLiteral("日程信息"));
    ASSERT_NE(info->textInterface(), nullptr);
    EXPECT_EQ(info->textInterface()->text(0, info->textInterface()->characterCount()),
              window->frmInfo()->Text1->toPlainText());
}

}  // namespace
