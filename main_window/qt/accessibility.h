// The main window to assistive technology: the month grid as a table of day cells, the
// title read once, and the selected day announced when it changes.
#pragma once

#include <QString>

#include "calendar/date_serial.h"

class QAccessibleInterface;
class QObject;
class frmMainWidget;

namespace dovrin {

// Qt's accessibility factory for the main window and its grid; nullptr for any other
// object. Qt asks it only once an assistive technology asks for the widget.
QAccessibleInterface* MainWindowAccessible(const QString& className, QObject* object);

// The selected day's cell takes the selection from the cell of `previous`, and the focus
// while the grid holds it, so that a screen reader says the new day once. `previous` is
// {} when no day was selected before.
void AnnounceSelectedDay(frmMainWidget& window, CivilDate previous);

// The selected day's cell has the focus: the grid itself has just taken it.
void AnnounceFocusedDay(frmMainWidget& window);

}  // namespace dovrin
