// The main window to assistive technology: the month grid as a table of day cells, the
// title read once, and the selected day announced when it changes.
#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

#include "calendar/date_serial.h"

class QAccessibleEvent;
class QAccessibleInterface;
class QObject;
class QWidget;
class frmMain;

namespace dovrin {

// What the accessibility of the main window reads of it. The main window implements it;
// the factory finds it behind the window's QObject.
class AccessibleMainWindow {
public:
    virtual const frmMain& Form() const = 0;
    // The month grid's widget, a child of the window.
    virtual QWidget& Grid() const = 0;
    // Children a screen reader skips: the title's grey shadow, which would read the title
    // twice, and the logo, which says nothing.
    virtual bool Unread(const QWidget& child) const = 0;
    // Qt's bridge to assistive technology, or a test's record.
    virtual void SendAccessibilityEvent(QAccessibleEvent& event) const = 0;

protected:
    ~AccessibleMainWindow() = default;
};

// Words a screen reader says at once without the focus moving: a notification, out of
// sight, that shows itself with them for a few seconds. Screen readers speak a
// notification that appears, while Qt's bridge gives them no words with a changed name or
// description.
class Announcer final : public QWidget {
public:
    explicit Announcer(QWidget* parent);
    void Say(const QString& words);

private:
    QTimer shown;
};

// Qt's accessibility factory for the main window, its grid, the information window and
// the announcer; nullptr for any other object. Qt asks it only once an assistive technology asks for the widget.
QAccessibleInterface* MainWindowAccessible(const QString& className, QObject* object);

// The selected day's cell takes the selection from the cell of `previous`, and the focus
// (announced by the words inside it) while the grid holds it, so that a screen reader says
// the new day once. `previous` is
// {} when no day was selected before.
void AnnounceSelectedDay(const AccessibleMainWindow& window, CivilDate previous);

// The selected day's cell has the focus: the grid itself has just taken it.
void AnnounceFocusedDay(const AccessibleMainWindow& window);

}  // namespace dovrin
