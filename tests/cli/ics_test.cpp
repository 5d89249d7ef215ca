// dovrin-cal's iCalendar export, read back with libical.
#include <gtest/gtest.h>
#include <libical/ical.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "calendar/clsDate.h"
#include "calendar/utf8.h"
#include "calendar/named_days.h"
#include "cli/run.h"

namespace {

struct Event {
    std::string uid, summary, category, description;
    std::string start, end;  // YYYYMMDD
};

std::string Export(std::vector<std::string> args)
{
    const dovrin::FixedClock clock({2026, 3, 1});
    std::string out, err;
    EXPECT_EQ(dovrin::cli::RunCli(args, {}, clock, out, err), 0) << err;
    return out;
}

std::string DateText(icaltimetype time)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", time.year, time.month, time.day);
    return text;
}

// Every VEVENT, in file order; the file must parse and hold one VCALENDAR.
std::vector<Event> Parse(const std::string& text)
{
    std::unique_ptr<icalcomponent, void (*)(icalcomponent*)> calendar(icalparser_parse_string(text.c_str()),
                                                                      icalcomponent_free);
    EXPECT_NE(calendar, nullptr);
    if (!calendar) return {};
    EXPECT_EQ(icalcomponent_isa(calendar.get()), ICAL_VCALENDAR_COMPONENT);
    std::vector<Event> events;
    for (icalcomponent* e = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
        EXPECT_EQ(icalcomponent_count_errors(e), 0);
        EXPECT_TRUE(icalcomponent_get_dtstart(e).is_date);
        EXPECT_EQ(DateText(icalcomponent_get_dtstamp(e)), "20260301");
        icalproperty* category = icalcomponent_get_first_property(e, ICAL_CATEGORIES_PROPERTY);
        events.push_back({icalcomponent_get_uid(e), icalcomponent_get_summary(e),
                          category ? icalproperty_get_categories(category) : "",
                          icalcomponent_get_description(e) ? icalcomponent_get_description(e) : "",
                          DateText(icalcomponent_get_dtstart(e)), DateText(icalcomponent_get_dtend(e))});
    }
    return events;
}

const Event* Find(const std::vector<Event>& events, const std::string& summary, const std::string& start)
{
    for (const Event& e : events)
        if (e.summary == summary && e.start == start) return &e;
    return nullptr;
}

}  // namespace

TEST(CliIcs, HolidaysAndTermsOfAYearAreAllDayEventsOnTheirDays)
{
    const std::string text = Export({"--ics", "2027-01-01", "2027-12-31"});
    // RFC 5545 lines: CR LF ends, at most 75 octets.
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        ASSERT_FALSE(line.empty());
        EXPECT_EQ(line.back(), '\r');
        EXPECT_LE(line.size() - 1, 75u) << line;
    }
    const std::vector<Event> events = Parse(text);
    EXPECT_EQ(events.size(), dovrin::NamedDays({2027, 1, 1}, {2027, 12, 31}).size());

    const Event* spring = Find(events, "春节", "20270206");
    ASSERT_NE(spring, nullptr);
    EXPECT_EQ(spring->end, "20270207");
    EXPECT_EQ(spring->category, "节日");
    EXPECT_EQ(spring->description, "农历丁未(羊)年一月初一");
    ASSERT_NE(Find(events, "除夕", "20270205"), nullptr);
    ASSERT_NE(Find(events, "国际母亲节", "20270509"), nullptr);  // week-based
    ASSERT_NE(Find(events, "国际音乐日", "20271001"), nullptr);  // the second name of 10-01
    const Event* term = Find(events, "清明", "20270405");
    ASSERT_NE(term, nullptr);
    EXPECT_EQ(term->category, "节气");
    EXPECT_EQ(term->description, "农历丁未(羊)年二月廿九\n交节时刻 2027-04-05 08:17（北京时间）");
    std::size_t terms = 0;
    for (const Event& e : events) terms += e.category == "节气";
    EXPECT_EQ(terms, 24u);
    // The seasonal counts, in the terms' style: 2027's first 伏 and the 九 that 冬至 begins.
    const Event* fu = Find(events, "初伏", "20270720");
    ASSERT_NE(fu, nullptr);
    EXPECT_EQ(fu->end, "20270721");
    EXPECT_EQ(fu->category, "杂节气");
    ASSERT_NE(Find(events, "一九", "20271222"), nullptr);
    ASSERT_NE(Find(events, "历书入梅", "20270606"), nullptr);

    // UIDs: unique, and the same for the same event in another export.
    std::set<std::string> uids;
    for (const Event& e : events) EXPECT_TRUE(uids.insert(e.uid).second) << e.uid;
    const std::vector<Event> february = Parse(Export({"--ics", "2027-02-01", "2027-02-28"}));
    ASSERT_NE(Find(february, "春节", "20270206"), nullptr);
    EXPECT_EQ(Find(february, "春节", "20270206")->uid, spring->uid);
    EXPECT_EQ(Export({"--ics", "2027-02-01", "2027-02-28"}), Export({"--ics", "2027-02-01", "2027-02-28"}));
}

TEST(CliIcs, OfficialDaysOffAreOneEventAPeriodAndWorkingDaysTheirOwn)
{
    const std::vector<Event> events = Parse(Export({"--ics", "2026-09-01", "2026-10-31"}));
    const Event* national = Find(events, "国庆节 放假", "20261001");
    ASSERT_NE(national, nullptr);
    EXPECT_EQ(national->end, "20261008");  // exclusive: the 7th is the last day off
    EXPECT_EQ(national->category, "放假");
    const Event* work = Find(events, "上班（国庆节调休）", "20261010");
    ASSERT_NE(work, nullptr);
    EXPECT_EQ(work->end, "20261011");
    EXPECT_EQ(work->category, "调休");
    EXPECT_NE(Find(events, "中秋节 放假", "20260925"), nullptr);
    // The same period from another range keeps its UID.
    EXPECT_EQ(Find(Parse(Export({"--ics", "2026-10-05", "2026-10-05"})), "国庆节 放假", "20261001")->uid, national->uid);
    // A break that joins two holidays is one event with the day count of the whole break.
    const std::vector<Event> joint = Parse(Export({"--ics", "2017-10-01", "2017-10-08"}));
    const Event* both = Find(joint, "中秋节、国庆节 放假", "20171001");
    ASSERT_NE(both, nullptr);
    EXPECT_EQ(both->description, "中秋节、国庆节放假，共8天");
    EXPECT_EQ(std::count_if(joint.begin(), joint.end(), [](const Event& e) { return e.category == "放假"; }), 1);
}

TEST(CliIcs, LunarDateEveryYearFollowsTheMonthLengthAndLeapRules)
{
    const std::vector<Event> birthday =
        Parse(Export({"--ics-lunar", "8", "15", "--summary", "妈妈生日, 家里", "--years", "2027", "2040"}));
    ASSERT_EQ(birthday.size(), 14u);
    ASSERT_NE(Find(birthday, "妈妈生日, 家里", "20300912"), nullptr);  // escaping round trip
    EXPECT_EQ(Find(birthday, "妈妈生日, 家里", "20300912")->description, "农历庚戌(狗)年八月十五");
    std::set<std::string> uids;
    for (const Event& e : birthday) EXPECT_TRUE(uids.insert(e.uid).second) << e.uid;
    const std::vector<Event> again = Parse(Export({"--ics-lunar", "8", "15", "--summary", "妈妈生日, 家里",
                                                "--years", "2030", "2030"}));
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].uid, Find(birthday, "妈妈生日, 家里", "20300912")->uid);

    // Leap fourth month of 2020 has 29 days: its 30th falls on its 29th (2020-06-20). 2021 has
    // no leap fourth month: the ordinary one, 29 days long too (2021-06-09).
    const std::vector<Event> leap =
        Parse(Export({"--ics-lunar", "4", "30", "--leap", "--summary", "x", "--years", "2020", "2021"}));
    ASSERT_EQ(leap.size(), 2u);
    EXPECT_EQ(leap[0].start, "20200620");
    EXPECT_EQ(leap[1].start, "20210609");
    EXPECT_NE(leap[1].description.find("没有闰四月"), std::string::npos);
    // Without --years, every covered lunar year.
    EXPECT_EQ(Parse(Export({"--ics-lunar", "1", "1", "--summary", "x"})).size(), 201u);
}

TEST(CliIcs, LunarBirthdayRunsTo2100)
{
    // One event a lunar year, each on a day the calendar reads back as 八月十五 of that year.
    const std::vector<Event> events =
        Parse(Export({"--ics-lunar", "8", "15", "--summary", "x", "--years", "2027", "2100"}));
    ASSERT_EQ(events.size(), 74u);
    clsDate date;
    for (std::size_t i = 0; i < events.size(); ++i) {
        const std::string& day = events[i].start;
        date.sInitDate(std::stoi(day.substr(0, 4)), std::stoi(day.substr(4, 2)), std::stoi(day.substr(6, 2)));
        EXPECT_EQ(date.lYear(), 2027 + static_cast<std::int32_t>(i)) << day;
        EXPECT_TRUE(date.lMonth() == 8 && date.lDay() == 15 && !date.IsLeap()) << day;
    }
    EXPECT_EQ(events.back().start, "21000918");
}

// DTSTAMP is the clock's instant in UTC, not the local date.
TEST(CliIcsStamp, IsTheCurrentTimeInUtc)
{
    const dovrin::FixedClock clock({2026, 3, 1}, 13 * 3600 + 5 * 60 + 9);
    std::string out, err;
    ASSERT_EQ(dovrin::cli::RunCli({"--ics-lunar", "1", "1", "--summary", "x", "--years", "2027", "2027"}, {}, clock,
                                  out, err),
              0);
    EXPECT_NE(out.find("DTSTAMP:20260301T130509Z\r\n"), std::string::npos) << out;
}

// Every text of the file is escaped as RFC 5545 says, the calendar's name as well as the
// events' texts, and a long one is folded without breaking its characters.
TEST(CliIcs, TextsAreEscapedAndFolded)
{
    const std::string title = "a;b,c\\d 家里; 很长的标题很长的标题很长的标题很长的标题很长的标题很长的标题";
    const std::string text = Export({"--ics-lunar", "8", "15", "--summary", title, "--years", "2027", "2027"});
    EXPECT_NE(text.find("\r\nX-WR-CALNAME:a\\;b\\,c\\\\d 家里\\; "), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nSUMMARY:a\\;b\\,c\\\\d 家里\\; "), std::string::npos) << text;
    const std::vector<Event> events = Parse(text);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].summary, title);
    EXPECT_TRUE(dovrin::IsValidUtf8(text)) << text;
}

// Every kind of export is a plain RFC 5545 file that libical's own checks pass, iTIP's
// restrictions included: without a METHOD it needs no ORGANIZER.
TEST(CliIcs, EveryExportPassesLibicalRestrictions)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--ics", "2026-09-01", "2026-10-31"},
          std::vector<std::string>{"--ics-lunar", "4", "30", "--leap", "--summary", "x", "--years", "2020", "2021"}}) {
        const std::string text = Export(args);
        EXPECT_EQ(text.find("METHOD"), std::string::npos) << args[0];
        std::unique_ptr<icalcomponent, void (*)(icalcomponent*)> calendar(icalparser_parse_string(text.c_str()),
                                                                          icalcomponent_free);
        ASSERT_NE(calendar, nullptr) << args[0];
        EXPECT_EQ(icalrestriction_check(calendar.get()), 1) << args[0];
        EXPECT_EQ(icalcomponent_count_errors(calendar.get()), 0) << args[0];
    }
}
