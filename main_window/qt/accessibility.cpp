// The main window to assistive technology: its interfaces, made by Qt's factory on demand.
#include "main_window/qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#include <array>
#include <cmath>

#include "calendar/locale_names.h"
#include "main_window/day_cells.h"
#include "main_window/qt/frmMainWidget.h"

namespace dovrin {
namespace {

// Children of the grid: the weekday headings, then the day cells row by row.
constexpr int headingCells = gridColumns;
constexpr int allCells = headingCells + gridRows * gridColumns;

// Set on the grid once its interface is made: until then nothing has read a cell.
constexpr const char* madeProperty = "dovrinGridAccessibleMade";

int ChildOfCell(GridCell cell)
{
    return headingCells + cell.row * gridColumns + cell.column;
}

QRect GlobalRect(const QWidget& widget, const CellBox& box)
{
    const QPoint corner = widget.mapToGlobal(
        QPoint(static_cast<int>(std::lround(box.left)), static_cast<int>(std::lround(box.top))));
    return {corner, QSize(static_cast<int>(std::lround(box.width)), static_cast<int>(std::lround(box.height)))};
}

class MonthGridAccessible;

// A weekday heading (row -1) or a day cell. It keeps only its place and reads the day in
// it from the form whenever asked.
class GridCellAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    GridCellAccessible(const MonthGridAccessible& table, int row, int column)
        : grid(table), cellRow(row), cellColumn(column)
    {
    }

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

private:
    bool IsHeading() const { return cellRow < 0; }
    // 0 for a heading or a cell outside the month.
    std::int32_t Day() const;

    const MonthGridAccessible& grid;
    int cellRow;
    int cellColumn;
};

// The month grid as a table of 6 rows by 7 columns, Sunday first, headed by the weekdays.
class MonthGridAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit MonthGridAccessible(frmMainWidget& window)
        : QAccessibleWidget(window.picMain, QAccessible::Table), owner(window)
    {
        window.picMain->setProperty(madeProperty, true);
    }
    ~MonthGridAccessible() override { DropCells(); }

    // The cells are made again when next asked for, as new objects: a reader that keeps
    // what it has read of a cell does not hear last month's day in it.
    void DropCells()
    {
        for (QAccessible::Id& id : ids) {
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
            id = 0;
        }
    }

    const frmMain& Form() const { return owner.Logic(); }
    const QWidget& Grid() const { return *widget(); }
    bool SelectedDayFocused() const { return widget()->hasFocus(); }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        return QString::number(Form().CurYear) + QStringLiteral("年") + QString::number(Form().CurMonth) +
               QStringLiteral("月");
    }
    int childCount() const override { return allCells; }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= allCells) return nullptr;
        auto& id = ids[static_cast<std::size_t>(index)];
        if (id == 0) {
            const int row = index < headingCells ? -1 : (index - headingCells) / gridColumns;
            const int column = index < headingCells ? index : (index - headingCells) % gridColumns;
            id = QAccessible::registerAccessibleInterface(new GridCellAccessible(*this, row, column));
        }
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* cell = dynamic_cast<const GridCellAccessible*>(child);
        return cell && cell->parent() == this ? cell->IndexInTable() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < allCells; ++i)
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
        if (row < 0 || row >= gridRows || column < 0 || column >= gridColumns) return nullptr;
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
    int columnCount() const override { return gridColumns; }
    int rowCount() const override { return gridRows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // The selection is one day and moves only as the keys and clicks move it.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override
    {
        if (event->modelChangeType() == QAccessibleTableModelChangeEvent::ModelReset) DropCells();
    }

private:
    frmMainWidget& owner;
    mutable std::array<QAccessible::Id, allCells> ids{};
};

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
    const frmMain& form = grid.Form();
    if (IsHeading()) return t == QAccessible::Name ? QString::fromStdString(WeekdayName(cellColumn + 1)) : QString();
    const std::int32_t day = Day();
    if (day == 0) return {};
    switch (t) {
    case QAccessible::Name:
        // The tooltip's text too: both come from DayCellText.
        return QString::fromStdString(DayCellText({form.CurYear, form.CurMonth, day}, form.OfficialDays));
    case QAccessible::Description:
        // Painted blue in the grid; a reader hears it after the day.
        return form.CalDate.IsToday(form.CurYear, form.CurMonth, day) ? QStringLiteral("今天") : QString();
    default: return {};
    }
}

QRect GridCellAccessible::rect() const
{
    const frmMain& form = grid.Form();
    if (!IsHeading()) return GlobalRect(grid.Grid(), form.BoxOfCell({cellRow, cellColumn}));
    // The heading band above the column, down to where the column's first cell begins.
    const CellBox first = form.BoxOfCell({0, cellColumn});
    return GlobalRect(grid.Grid(), {first.left, 0, first.width, first.top});
}

QAccessible::State GridCellAccessible::state() const
{
    QAccessible::State state;
    state.invisible = !grid.Grid().isVisible();
    if (IsHeading()) return state;
    if (Day() == 0) {
        state.disabled = true;  // outside the month: nothing to select
        return state;
    }
    state.selectable = true;
    state.focusable = true;
    state.selected = isSelected();
    state.focused = state.selected && grid.SelectedDayFocused();
    return state;
}

bool GridCellAccessible::isSelected() const
{
    return !IsHeading() && Day() == grid.Form().CurDay;
}

QList<QAccessibleInterface*> GridCellAccessible::columnHeaderCells() const
{
    return {grid.child(cellColumn)};
}

// The main window's children but the title's grey shadow, which would read the title
// twice, the logo, which says nothing, and those hidden on purpose.
class MainWindowAccessibleInterface final : public QAccessibleWidget {
public:
    explicit MainWindowAccessibleInterface(frmMainWidget& window) : QAccessibleWidget(&window), owner(window) {}

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
        for (QObject* object : owner.children()) {
            auto* widget = qobject_cast<QWidget*>(object);
            if (!widget || widget->isWindow() || widget == owner.Label2 || widget == owner.Image1) continue;
            if (!(widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide)))
                shown.append(widget);
        }
        return shown;
    }

    frmMainWidget& owner;
};

// The grid's interface once something has asked for it, else nullptr: none is made only
// to announce a day that nobody listens to. An assistive technology asks as soon as the
// grid takes the focus.
MonthGridAccessible* ListenedGrid(frmMainWidget& window)
{
    if (!window.picMain->property(madeProperty).toBool()) return nullptr;
    return dynamic_cast<MonthGridAccessible*>(QAccessible::queryAccessibleInterface(window.picMain));
}

void Send(const frmMainWidget& window, QAccessibleInterface* cell, QAccessible::Event type)
{
    QAccessibleEvent event(cell, type);
    window.AccessibilityUpdate(&event);
}

}  // namespace

QAccessibleInterface* MainWindowAccessible(const QString&, QObject* object)
{
    if (auto* window = dynamic_cast<frmMainWidget*>(object)) return new MainWindowAccessibleInterface(*window);
    auto* widget = qobject_cast<QWidget*>(object);
    auto* window = widget ? dynamic_cast<frmMainWidget*>(widget->parentWidget()) : nullptr;
    if (window && widget == window->picMain) return new MonthGridAccessible(*window);
    return nullptr;
}

void AnnounceSelectedDay(frmMainWidget& window, CivilDate previous)
{
    MonthGridAccessible* grid = ListenedGrid(window);
    if (!grid) return;
    const frmMain& form = window.Logic();
    if (previous.year != form.CurYear || previous.month != form.CurMonth) {
        grid->DropCells();
        QAccessibleTableModelChangeEvent reset(window.picMain, QAccessibleTableModelChangeEvent::ModelReset);
        window.AccessibilityUpdate(&reset);
        Send(window, grid, QAccessible::NameChanged);  // the table is named by its month
    } else {
        Send(window, grid->child(ChildOfCell(CellOfDay(previous))), QAccessible::SelectionRemove);
    }
    QAccessibleInterface* selected = grid->SelectedCell();
    if (grid->SelectedDayFocused()) Send(window, selected, QAccessible::Focus);
    Send(window, selected, QAccessible::Selection);
}

void AnnounceFocusedDay(frmMainWidget& window)
{
    MonthGridAccessible* grid = ListenedGrid(window);
    if (grid && grid->SelectedDayFocused()) Send(window, grid->SelectedCell(), QAccessible::Focus);
}

}  // namespace dovrin
