// Qt tests: a day put into the main window's selection and the month redrawn with it.
#pragma once

#include <QTest>

#include <cstdint>

#include "main_window/qt/frmMainWidget.h"
#include "tests/support/pinned_today.h"

namespace dovrin::test {

inline void SelectDay(frmMainWidget& window, Ymd day)
{
    frmMain& form = window.Logic();
    form.CurYear = static_cast<std::int16_t>(day.year);
    form.CurMonth = static_cast<std::int16_t>(day.month);
    form.CurDay = static_cast<std::int16_t>(day.day);
    QTest::keyClick(window.picMain, Qt::Key_F5);  // any other key only redraws
}

}  // namespace dovrin::test
