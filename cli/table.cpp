// dovrin-cal --table: every calendar fact of a day as one tab-separated line.
#include "table.h"

#include "calendar/clsDate.h"
#include "calendar/day_look.h"

namespace dovrin::cli {

std::string TableHeader()
{
    return "date\tweekday\tlunar_year\tlunar_month\tlunar_day\tleap\tcday\tsolar_term\ts_holiday\trecess\t"
           "l_holiday\tw_holiday\tganzhi\tanimal\tconstellation\tconstellation2\tera\trest_work\t"
           "solar_term_time\n";
}

void AppendTableLines(std::string& out, CivilDate from, CivilDate to, const RestDays& restDays)
{
    clsDate date;
    for (CivilDate d = from; d <= to; d = d.AddDays(1)) {
        date.sInitDate(d.year, d.month, d.day);
        const auto field = [&out](const std::string& text) {
            out += text;
            out += '\t';
        };
        field(IsoDate(d));
        field(std::to_string(date.sWeekDay()));
        field(std::to_string(date.lYear()));
        field(std::to_string(date.lMonth()));
        field(std::to_string(date.lDay()));
        field(date.IsLeap() ? "1" : "0");
        field(date.CDayStr(date.lDay()));
        field(date.lSolarTerm());
        field(date.sHoliday());
        field(date.sHolidayRecess() ? "1" : "0");
        field(date.lHoliday());
        field(date.wHoliday());
        // The lunar year names the person's year, not the Gregorian one.
        field(date.GanZhi(date.lYear()));
        field(date.YearAttribute(date.lYear()));
        field(date.Constellation(d.month, d.day));
        field(date.Constellation2(d.month, d.day));
        field(date.Era(d.year));
        // 休, 班 or nothing: the official arrangement of the day.
        field(DayOffMark(restDays.Lookup(d).kind));
        out += date.lSolarTermTime();
        out += '\n';
    }
}

}  // namespace dovrin::cli
