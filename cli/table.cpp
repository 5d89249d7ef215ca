// dovrin-cal --table: every calendar fact of a day as one tab-separated line.
#include "table.h"

#include "calendar/almanac.h"
#include "calendar/clsDate.h"
#include "calendar/day_look.h"
#include "calendar/my_day_rules.h"

namespace dovrin::cli {

std::string TableHeader()
{
    return "date\tweekday\tlunar_year\tlunar_month\tlunar_day\tleap\tcday\tsolar_term\ts_holiday\trecess\t"
           "l_holiday\tw_holiday\tganzhi\tanimal\tconstellation\tconstellation2\tera\trest_work\t"
           "solar_term_time\tyear_pillar\tmonth_pillar\tday_pillar\tzhixing\thuangdao\txiu\tfu\tshujiu\thou\t"
           "meiyu\tmy_days\n";
}

namespace {

// The almanac's ten columns, each after a tab: pillars by 立春 and the 节, 建除, the day's god
// with 黄道 or 黑道, the 宿, the 伏 and the 九 with their day, the 候, and 入梅 or 出梅.
void AppendAlmanac(std::string& out, CivilDate d)
{
    const std::optional<AlmanacDay> almanac = AlmanacOfDay(d);
    if (!almanac) {
        out.append(10, '\t');
        return;
    }
    const AlmanacDay& a = *almanac;
    for (std::string_view field : {a.year.Name(), a.month.Name(), a.day.Name(), a.ZhiXingName()}) {
        out += '\t';
        out += field;
    }
    out += '\t';
    out += a.GodName();
    out += a.IsHuangDao() ? " 黄道" : " 黑道";
    out += '\t';
    out += a.MansionLongName();
    out += '\t';
    out += a.FuText();
    out += '\t';
    out += a.NineText();
    out += '\t';
    out += a.PentadName();
    out += '\t';
    out += a.entersMeiyu ? "入梅" : a.leavesMeiyu ? "出梅" : "";
}


// The titles of the user's days on `d`, "、" between them, after a tab; `next` walks the
// days of the stretch in date order.
void AppendMyDays(std::string& out, CivilDate d, const std::vector<MyDay>& myDays,
                  const std::vector<MyDayOnDate>& onDates, std::size_t& next)
{
    out += '\t';
    for (bool first = true; next < onDates.size() && onDates[next].date == d; ++next, first = false) {
        if (!first) out += "、";
        out += myDays[onDates[next].index].title;
    }
}

}  // namespace

void AppendTableLines(std::string& out, CivilDate from, CivilDate to, const RestDays& restDays,
                      const std::vector<MyDay>& myDays)
{
    const std::vector<MyDayOnDate> onDates = MyDaysBetween(myDays, from, to);
    std::size_t next = 0;
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
        AppendAlmanac(out, d);
        AppendMyDays(out, d, myDays, onDates, next);
        out += '\n';
    }
}

}  // namespace dovrin::cli
