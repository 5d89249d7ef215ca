// Printing from the main window: the month shown, or the whole year of the selected day.
#pragma once

#include <QWidget>

#include <cstdint>
#include <vector>

#include "calendar/my_day_rules.h"
#include "page/pages.h"
#include "resources/rest_days.h"

class QPrinter;

namespace dovrin {

// The platform's print dialog, with a choice between the month and the year; prints what
// the user confirms, nothing when the dialog is cancelled.
void PrintCalendar(QWidget* parent, std::int32_t year, std::int32_t month, const RestDays& restDays,
                   const std::vector<MyDay>& myDays);

// The month (month 1..12) or the year (month 0) on the printer, in the grid's face, with the
// user's own days `myDays`; false when the printer could not take the pages.
bool PrintPages(QPrinter& printer, std::int32_t year, std::int32_t month, const RestDays& restDays,
                const std::vector<MyDay>& myDays = {});

}  // namespace dovrin
