// The main window to assistive technology: its interfaces, made by Qt's factory on demand.
#include "main_window/qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#include <array>
#include <cmath>

#include "calendar/locale_names.h"
#include "info_window/day_info_text.h"
#include "info_window/qt/frmInfoWidget.h"
#include "main_window/day_cells.h"
#include "main_window/frmMain.h"

namespace dovrin {
namespace {

// Children of the grid: the weekday headings, then the day cells row by row.
constexpr int HeadingCells = GridColumns;
constexpr int AllCells = HeadingCells + GridRows * GridColumns;

// Set on the grid once its interface is made: until then nothing has read a cell.
constexpr const char* MadeProperty = "dovrinGridAccessibleMade";

int ChildOfCell(GridCell cell)
{
    return HeadingCells + cell.row * GridColumns + cell.column;
}

QRect GlobalRect(const QWidget& widget, const CellBox& box)
{
    const QPoint corner = widget.mapToGlobal(
        QPoint(static_cast<int>(std::lround(box.left)), static_cast<int>(std::lround(box.top))));
    return {corner, QSize(static_cast<int>(std::lround(box.width)), static_cast<int>(std::lround(box.height)))};
}

class MonthGridAccessible;
class GridCellAccessible;

// The words of a day cell, its only child: the focus event of a new day comes from them.
// A screen reader that follows the focus onto a table cell reads the cell's whole row aloud
// whenever the row changes; onto these words it reads one day, after the new row or column
// of the cell around them, as a sighted user sees one day selected. The cell keeps the
// focused state, so a reader asked "where am I" goes up to the cell and tells its row and
// column.
class DayTextAccessible final : public QAccessibleInterface {
public:
    explicit DayTextAccessible(GridCellAccessible& cell) : owner(cell) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Client; }
    QAccessible::State state() const override;

private:
    GridCellAccessible& owner;
};

// A weekday heading (row -1) or a day cell. It keeps only its place and reads the day in
// it from the form whenever asked. The day cells come in two sets that take turns, a set
// a month: at a change of month the focus moves to a cell of the other set, so that a
// screen reader hears a new object even where the new day lies in the old day's place,
// and the cell it still holds stays valid.
class GridCellAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    GridCellAccessible(const MonthGridAccessible& table, int set, int row, int column)
        : grid(table), cellSet(set), cellRow(row), cellColumn(column)
    {
    }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override { return IsHeading() ? 0 : 1; }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child == GridCellAccessible::child(0) ? 0 : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        return childCount() && rect().contains(x, y) ? child(0) : nullptr;
    }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override
    {
        return IsHeading() ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface && !IsHeading()
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return cellColumn; }
    int rowIndex() const override { return cellRow; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

    int IndexInTable() const { return IsHeading() ? cellColumn : ChildOfCell({cellRow, cellColumn}); }
    // A child of the table now, not a cell of the set put aside.
    bool Current() const;

private:
    bool IsHeading() const { return cellRow < 0; }
    // 0 for a heading or a cell outside the month.
    std::int32_t Day() const;
    // What a reader hears after the day: today, painted blue in the grid, and the instant
    // of the solar term that begins on it, shown in its tooltip.
    QString Description(std::int32_t day) const;

    const MonthGridAccessible& grid;
    int cellSet;
    int cellRow;
    int cellColumn;
    mutable QAccessible::Id textId = 0;
};

// The month grid as a table of 6 rows by 7 columns, Sunday first, headed by the weekdays.
class MonthGridAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    MonthGridAccessible(const AccessibleMainWindow& window, QWidget& grid)
        : QAccessibleWidget(&grid, QAccessible::Table), owner(window)
    {
        grid.setProperty(MadeProperty, true);
        setMonth[0] = {Form().CurYear, Form().CurMonth, 1};
    }
    ~MonthGridAccessible() override
    {
        // The words first: each cell makes its own on demand.
        for (auto& set : ids)
            for (QAccessible::Id id : set)
                if (QAccessibleInterface* cell = id != 0 ? QAccessible::accessibleInterface(id) : nullptr;
                    cell && cell->childCount() > 0)
                    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cell->child(0)));
        for (auto& set : ids)
            for (QAccessible::Id id : set)
                if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }

    // Another month: the other set of day cells becomes the table's. Its cells that a
    // reader has seen before tell what changed since they showed their last month.
    void TurnCellSet()
    {
        currentSet = 1 - currentSet;
        const frmMain& form = Form();
        const CivilDate before = setMonth[static_cast<std::size_t>(currentSet)];
        setMonth[static_cast<std::size_t>(currentSet)] = {form.CurYear, form.CurMonth, 1};
        for (int index = HeadingCells; index < AllCells; ++index) {
            const QAccessible::Id id = ids[static_cast<std::size_t>(currentSet)][static_cast<std::size_t>(index)];
            if (id == 0) continue;
            QAccessibleInterface* cell = QAccessible::accessibleInterface(id);
            const GridCell place{(index - HeadingCells) / GridColumns, (index - HeadingCells) % GridColumns};
            const std::int32_t oldDay = DayInCell(before.year, before.month, place);
            const std::int32_t newDay = DayInCell(form.CurYear, form.CurMonth, place);
            Tell(cell, QAccessible::NameChanged);
            if (form.CalDate.IsToday(before.year, before.month, oldDay) !=
                form.CalDate.IsToday(form.CurYear, form.CurMonth, newDay))
                Tell(cell, QAccessible::DescriptionChanged);
            if ((oldDay == 0) != (newDay == 0)) {
                QAccessible::State changed;
                changed.disabled = changed.selectable = changed.focusable = true;
                QAccessibleStateChangeEvent state(cell, changed);
                owner.SendAccessibilityEvent(state);
            }
        }
    }
    int CurrentSet() const { return currentSet; }

    const frmMain& Form() const { return owner.Form(); }
    const QWidget& Grid() const { return *widget(); }
    bool SelectedDayFocused() const { return widget()->hasFocus(); }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        return QString::number(Form().CurYear) + QStringLiteral("年") + QString::number(Form().CurMonth) +
               QStringLiteral("月");
    }
    int childCount() const override { return AllCells; }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= AllCells) return nullptr;
        const int set = index < HeadingCells ? 0 : currentSet;
        auto& id = ids[static_cast<std::size_t>(set)][static_cast<std::size_t>(index)];
        if (id == 0) {
            const int row = index < HeadingCells ? -1 : (index - HeadingCells) / GridColumns;
            const int column = index < HeadingCells ? index : (index - HeadingCells) % GridColumns;
            id = QAccessible::registerAccessibleInterface(new GridCellAccessible(*this, set, row, column));
        }
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* cell = dynamic_cast<const GridCellAccessible*>(child);
        return cell && cell->parent() == this && cell->Current() ? cell->IndexInTable() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < AllCells; ++i)
            if (QAccessibleInterface* cell = child(i); cell->rect().contains(x, y)) return cell;
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        return SelectedDayFocused() ? SelectedCell() : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* SelectedCell() const
    {
        return child(ChildOfCell(CellOfDay({Form().CurYear, Form().CurMonth, Form().CurDay})));
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || row >= GridRows || column < 0 || column >= GridColumns) return nullptr;
        return child(ChildOfCell({row, column}));
    }
    int selectedCellCount() const override { return 1; }
    QList<QAccessibleInterface*> selectedCells() const override { return {SelectedCell()}; }
    QString columnDescription(int column) const override
    {
        return QString::fromStdString(WeekdayName(column + 1));
    }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return GridColumns; }
    int rowCount() const override { return GridRows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // The selection is one day and moves only as the keys and clicks move it.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // The cells live as long as the table: a reader may hold any of them.
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    void Tell(QAccessibleInterface* cell, QAccessible::Event type) const
    {
        QAccessibleEvent event(cell, type);
        owner.SendAccessibilityEvent(event);
    }

    const AccessibleMainWindow& owner;
    int currentSet = 0;
    // The month each set of cells last showed; none yet for the second.
    std::array<CivilDate, 2> setMonth{};
    mutable std::array<std::array<QAccessible::Id, AllCells>, 2> ids{};
};

bool GridCellAccessible::Current() const
{
    return IsHeading() || cellSet == grid.CurrentSet();
}

bool GridCellAccessible::isValid() const
{
    return grid.isValid();
}

QWindow* GridCellAccessible::window() const
{
    return grid.window();
}

QAccessibleInterface* GridCellAccessible::parent() const
{
    return const_cast<MonthGridAccessible*>(&grid);
}

QAccessibleInterface* GridCellAccessible::table() const
{
    return parent();
}

std::int32_t GridCellAccessible::Day() const
{
    if (IsHeading()) return 0;
    return DayInCell(grid.Form().CurYear, grid.Form().CurMonth, {cellRow, cellColumn});
}

QString GridCellAccessible::text(QAccessible::Text t) const
{
    if (!Current()) return {};  // put aside: it shows no day
    const frmMain& form = grid.Form();
    if (IsHeading()) return t == QAccessible::Name ? QString::fromStdString(WeekdayName(cellColumn + 1)) : QString();
    const std::int32_t day = Day();
    if (day == 0) return {};
    switch (t) {
    case QAccessible::Name:
        // The tooltip's text too: both come from DayCellText.
        return QString::fromStdString(DayCellText({form.CurYear, form.CurMonth, day}, form.OfficialDays, form.MyDays));
    case QAccessible::Description: return Description(day);
    default: return {};
    }
}

QString GridCellAccessible::Description(std::int32_t day) const
{
    const frmMain& form = grid.Form();
    clsDate date;
    date.sInitDate(form.CurYear, form.CurMonth, static_cast<std::int16_t>(day));
    QStringList parts;
    if (form.CalDate.IsToday(form.CurYear, form.CurMonth, day)) parts << QStringLiteral("今天");
    if (const std::string term = SolarTermInstant(date); !term.empty()) parts << QString::fromStdString(term);
    return parts.join(QStringLiteral("，"));
}

QAccessibleInterface* GridCellAccessible::child(int index) const
{
    if (index != 0 || IsHeading()) return nullptr;
    if (textId == 0)
        textId = QAccessible::registerAccessibleInterface(
            new DayTextAccessible(const_cast<GridCellAccessible&>(*this)));
    return QAccessible::accessibleInterface(textId);
}

QRect GridCellAccessible::rect() const
{
    if (!Current()) return {};  // put aside: nowhere on screen
    const frmMain& form = grid.Form();
    if (!IsHeading()) return GlobalRect(grid.Grid(), form.BoxOfCell({cellRow, cellColumn}));
    // The heading band above the column, down to where the column's first cell begins.
    const CellBox first = form.BoxOfCell({0, cellColumn});
    return GlobalRect(grid.Grid(), {first.left, 0, first.width, first.top});
}

QAccessible::State GridCellAccessible::state() const
{
    QAccessible::State state;
    state.invisible = !grid.Grid().isVisible() || !Current();
    if (IsHeading()) return state;
    if (Day() == 0) {
        state.disabled = true;  // outside the month: nothing to select
        return state;
    }
    state.selectable = true;
    state.focusable = true;
    state.selected = Current() && isSelected();
    state.focused = state.selected && grid.SelectedDayFocused();
    return state;
}

bool GridCellAccessible::isSelected() const
{
    return !IsHeading() && Current() && Day() == grid.Form().CurDay;
}

QList<QAccessibleInterface*> GridCellAccessible::columnHeaderCells() const
{
    return {grid.child(cellColumn)};
}

bool DayTextAccessible::isValid() const
{
    return owner.isValid();
}

QWindow* DayTextAccessible::window() const
{
    return owner.window();
}

QAccessibleInterface* DayTextAccessible::parent() const
{
    return &owner;
}

QString DayTextAccessible::text(QAccessible::Text t) const
{
    return owner.text(t);
}

QRect DayTextAccessible::rect() const
{
    return owner.rect();
}

QAccessible::State DayTextAccessible::state() const
{
    // The cell holds the focus and the selection; this child only speaks for it.
    QAccessible::State state = owner.state();
    state.focused = state.selected = state.selectable = false;
    return state;
}

// The main window's children but those a reader skips and those hidden on purpose.
class MainWindowAccessibleInterface final : public QAccessibleWidget {
public:
    // A frame named by the window's title, which a reader says when asked for the title.
    MainWindowAccessibleInterface(const AccessibleMainWindow& window, QWidget& widget)
        : QAccessibleWidget(&widget, QAccessible::Window), owner(window)
    {
    }

    int childCount() const override { return static_cast<int>(Shown().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> shown = Shown();
        return index >= 0 && index < shown.size() ? QAccessible::queryAccessibleInterface(shown[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child) return -1;
        return static_cast<int>(Shown().indexOf(qobject_cast<QWidget*>(child->object())));
    }

private:
    QList<QWidget*> Shown() const
    {
        QList<QWidget*> shown;
        for (QObject* object : QAccessibleWidget::widget()->children()) {
            auto* widget = qobject_cast<QWidget*>(object);
            if (!widget || widget->isWindow() || owner.Unread(*widget)) continue;
            if (!(widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide)))
                shown.append(widget);
        }
        return shown;
    }

    const AccessibleMainWindow& owner;
};

// The grid's interface once something has asked for it, else nullptr: none is made only
// to announce a day that nobody listens to. An assistive technology asks as soon as the
// grid takes the focus.
MonthGridAccessible* ListenedGrid(const AccessibleMainWindow& window)
{
    if (!window.Grid().property(MadeProperty).toBool()) return nullptr;
    return dynamic_cast<MonthGridAccessible*>(QAccessible::queryAccessibleInterface(&window.Grid()));
}

void Send(const AccessibleMainWindow& window, QAccessibleInterface* iface, QAccessible::Event type)
{
    QAccessibleEvent event(iface, type);
    window.SendAccessibilityEvent(event);
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
    hide();
    shown.setSingleShot(true);
    shown.setInterval(3000);
    connect(&shown, &QTimer::timeout, this, &QWidget::hide);
}

void Announcer::Say(const QString& words)
{
    setAccessibleName(words);
    hide();  // shown again, the same words are news again
    show();
    shown.start();
}

QAccessibleInterface* MainWindowAccessible(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (dynamic_cast<Announcer*>(object)) return new QAccessibleWidget(widget, QAccessible::Notification);
    if (auto* window = dynamic_cast<AccessibleMainWindow*>(object))
        return new MainWindowAccessibleInterface(*window, *widget);
    // The information window is a frame too, named 日程信息.
    if (dynamic_cast<frmInfoWidget*>(object)) return new QAccessibleWidget(widget, QAccessible::Window);
    auto* window = dynamic_cast<AccessibleMainWindow*>(widget->parentWidget());
    if (window && widget == &window->Grid()) return new MonthGridAccessible(*window, *widget);
    return nullptr;
}

void AnnounceSelectedDay(const AccessibleMainWindow& window, CivilDate previous)
{
    MonthGridAccessible* grid = ListenedGrid(window);
    if (!grid) return;
    const frmMain& form = window.Form();
    if (previous.year != form.CurYear || previous.month != form.CurMonth) {
        grid->TurnCellSet();
        QAccessibleTableModelChangeEvent reset(&window.Grid(), QAccessibleTableModelChangeEvent::ModelReset);
        window.SendAccessibilityEvent(reset);
        Send(window, grid, QAccessible::NameChanged);  // the table is named by its month
    } else {
        Send(window, grid->child(ChildOfCell(CellOfDay(previous))), QAccessible::SelectionRemove);
    }
    // A button pressed from the keyboard hands the focus to the grid once the day has
    // moved, and the grid's focus announces the day then.
    QAccessibleInterface* selected = grid->SelectedCell();
    if (grid->SelectedDayFocused()) Send(window, selected->child(0), QAccessible::Focus);
    Send(window, selected, QAccessible::Selection);
}

void AnnounceFocusedDay(const AccessibleMainWindow& window)
{
    MonthGridAccessible* grid = ListenedGrid(window);
    if (grid && grid->SelectedDayFocused()) Send(window, grid->SelectedCell()->child(0), QAccessible::Focus);
}

}  // namespace dovrin
