// dovrin-cal: output formats and the handling of bad input.
#include <gtest/gtest.h>

#include <sstream>

#include "calendar/date_serial.h"
#include "calendar/utf8.h"
#include "cli/month_view.h"
#include "cli/options.h"
#include "cli/run.h"
#include "resources/messages.h"

namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

// Today is 2008-02-08 for every case.
Result Cal(std::vector<std::string> args, dovrin::cli::Terminal terminal = {})
{
    const dovrin::FixedClock clock({2008, 2, 8});
    Result r;
    r.status = dovrin::cli::RunCli(args, terminal, clock, r.out, r.err);
    return r;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

class Cli : public ::testing::Test {};

}  // namespace

TEST_F(Cli, TableLinesCarryEveryFieldOfTheDay)
{
    const Result r = Cal({"--table", "2008-01-15", "2008-02-08"});
    ASSERT_EQ(r.status, 0);
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 26u);
    EXPECT_EQ(lines[0], "date\tweekday\tlunar_year\tlunar_month\tlunar_day\tleap\tcday\tsolar_term\ts_holiday\t"
                        "recess\tl_holiday\tw_holiday\tganzhi\tanimal\tconstellation\tconstellation2\tera\trest_work\t"
                        "solar_term_time\tyear_pillar\tmonth_pillar\tday_pillar\tzhixing\thuangdao\txiu\tfu\t"
                        "shujiu\thou\tmeiyu\tmy_days");
    // 2008-01-15: lunar 2007-12-08, 腊八节, in the lunar year 丁亥 (猪).
    EXPECT_EQ(lines[1], "2008-01-15\t3\t2007\t12\t8\t0\t初八\t\t\t0\t腊八节\t\t丁亥\t猪\t摩羯\t"
                        "阴性、土象星座，守护行星：土星\t中华人民共和国成立五十九周年\t\t\t"
                        "丁亥\t癸丑\t甲寅\t除\t金匮 黄道\t室火猪\t\t三九第7天\t鹊始巢\t\t");
    const auto eve = Fields(lines[23]);  // 2008-02-06
    EXPECT_EQ(eve[0], "2008-02-06");
    EXPECT_EQ(eve[10], "除夕");
    const auto last = Fields(lines[25]);  // 2008-02-08
    EXPECT_EQ(last.size(), 30u);
    EXPECT_EQ(last[17], "休");  // the 春节 days off of 2008
    EXPECT_EQ(Fields(Lines(Cal({"--table", "2008-02-02", "2008-02-02"}).out)[1])[17], "班");
    EXPECT_EQ(last[1], "6");
    EXPECT_EQ(last[12], "戊子");
    EXPECT_EQ(last[13], "鼠");
}

TEST_F(Cli, TableMarksLeapMonthsRestDaysTermsAndWeekHolidays)
{
    const auto leap = Fields(Lines(Cal({"--table", "2020-05-23", "2020-05-23"}).out)[1]);
    EXPECT_EQ(leap[3], "4");
    EXPECT_EQ(leap[5], "1");
    const auto labour = Fields(Lines(Cal({"--table", "2008-05-01", "2008-05-01"}).out)[1]);
    EXPECT_EQ(labour[8], "劳动节");
    EXPECT_EQ(labour[9], "1");
    const auto mothers = Fields(Lines(Cal({"--table", "2008-05-11", "2008-05-11"}).out)[1]);
    EXPECT_EQ(mothers[11], "国际母亲节");
    const auto spring = Fields(Lines(Cal({"--table", "2008-02-04", "2008-02-04"}).out)[1]);
    EXPECT_EQ(spring[7], "立春");
    EXPECT_EQ(spring[18].substr(0, 5), "19:00");  // Beijing time; the seconds are the ephemeris's
    // The day 2033's leap month, after the 11th, begins; 中秋节 in the 8th month before it.
    const auto leap2033 = Fields(Lines(Cal({"--table", "2033-12-22", "2033-12-22"}).out)[1]);
    EXPECT_EQ(leap2033[3], "11");
    EXPECT_EQ(leap2033[5], "1");
    EXPECT_EQ(Fields(Lines(Cal({"--table", "2033-09-08", "2033-09-08"}).out)[1])[10], "中秋节");
    EXPECT_EQ(Fields(Lines(Cal({"--table", "2034-02-19", "2034-02-19"}).out)[1])[10], "春节");
}

// The almanac's columns: a day of the first 伏; the day before 立春 and 立春 itself, where the
// year and month pillars turn and 建除 repeats; 入梅 and 出梅; both ends of the span.
TEST_F(Cli, TableCarriesTheAlmanacOfTheDay)
{
    const auto almanac = [](const char* date) {
        const auto fields = Fields(Lines(Cal({"--table", date, date}).out)[1]);
        std::string joined;
        for (std::size_t i = 19; i < 29 && i < fields.size(); ++i) joined += (i > 19 ? "|" : "") + fields[i];
        return joined;
    };
    EXPECT_EQ(almanac("2026-07-20"), "丙午|乙未|乙未|建|玄武 黑道|张月鹿|初伏第6天||鹰始挚|");
    EXPECT_EQ(almanac("2026-02-03"), "乙巳|己丑|戊申|危|司命 黄道|翼火蛇||五九第9天|水泽腹坚|");
    EXPECT_EQ(almanac("2026-02-04"), "丙午|庚寅|己酉|危|玄武 黑道|轸水蚓||六九第1天|东风解冻|");
    EXPECT_EQ(almanac("1900-01-31"), "己亥|丁丑|甲辰|平|白虎 黑道|箕水豹||五九第5天|水泽腹坚|");
    EXPECT_EQ(almanac("2101-01-28"), "庚申|己丑|乙亥|开|明堂 黄道|亢金龙||五九第2天|征鸟厉疾|");
    EXPECT_EQ(almanac("2008-06-05").substr(almanac("2008-06-05").rfind('|')), "|入梅");  // 芒种, a 丙 day
    const std::string leaves = almanac("2026-07-08");
    EXPECT_EQ(leaves.substr(leaves.rfind('|')), "|出梅");
}

TEST_F(Cli, TableAcceptsBothEndsOfTheSpan)
{
    const Result r = Cal({"--table", "2050-01-22", "2050-01-22"});
    ASSERT_EQ(r.status, 0);
    const auto last = Fields(Lines(r.out)[1]);
    EXPECT_EQ(last[2], "2049");
    EXPECT_EQ(last[10], "除夕");
    EXPECT_EQ(Cal({"--table", "1900-01-31", "1900-01-31"}).status, 0);
    const auto end = Fields(Lines(Cal({"--table", "2101-01-28", "2101-01-28"}).out)[1]);
    EXPECT_EQ(end[2], "2100");
    EXPECT_EQ(end[10], "除夕");
}

TEST_F(Cli, LunarDateToGregorian)
{
    EXPECT_EQ(Cal({"--lunar", "2020", "4", "1", "--leap"}).out, "2020-05-23 星期六\n");
    EXPECT_EQ(Cal({"--lunar", "2020", "4", "1"}).out, "2020-04-23 星期四\n");
    EXPECT_EQ(Cal({"--lunar", "2049", "12", "29"}).out, "2050-01-22 星期六\n");
    EXPECT_EQ(Cal({"--lunar", "2060", "1", "1"}).out, "2060-02-02 星期一\n");
    EXPECT_EQ(Cal({"--lunar", "2099", "2", "1", "--leap"}).out, "2099-03-22 星期日\n");
    EXPECT_EQ(Cal({"--lunar", "2100", "12", "29"}).out, "2101-01-28 星期五\n");
    EXPECT_EQ(Cal({"--lunar", "2033", "11", "1", "--leap"}).out, "2033-12-22 星期四\n");
}

TEST_F(Cli, MonthGridLinesUpWideCharacters)
{
    const Result r = Cal({"2008", "2"});
    ASSERT_EQ(r.status, 0);
    const auto lines = Lines(r.out);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_NE(lines[0].find("2008年2月"), std::string::npos);
    EXPECT_EQ(lines[1].find("日"), 0u);
    // February 2008 starts on a Friday: day 2 ends the first week in the seventh cell (nine
    // columns a cell with its gap where a month stands alone, the number right-aligned in two,
    // then 班: the 2nd was a make-up working day), 春节 under 7.
    EXPECT_EQ(dovrin::DisplayWidth(lines[2]), 58u);
    EXPECT_NE(lines[5].find("春节"), std::string::npos);
    EXPECT_NE(lines[5].find("除夕"), std::string::npos);
    for (std::size_t i = 2; i < lines.size(); ++i) EXPECT_LE(dovrin::DisplayWidth(lines[i]), 62u) << lines[i];
    // No colour unless asked for or on a terminal.
    EXPECT_EQ(r.out.find('\x1b'), std::string::npos);
}

// The list under a month names the days that begin a seasonal count among its other days: the
// 伏 of 2026 and its almanac's 出梅; 2022's 中伏 of twenty days, so 末伏 and 出伏 in August.
TEST_F(Cli, MonthListNamesTheSeasonalDays)
{
    const std::string july = Cal({"2026", "7"}).out;
    for (const char* entry : {"15日 初伏", "25日 中伏", "8日 历书出梅", "7日 小暑 09:56"})
        EXPECT_NE(july.find(entry), std::string::npos) << entry;
    EXPECT_EQ(july.find("末伏"), std::string::npos);
    const std::string august = Cal({"2022", "8"}).out;
    EXPECT_NE(august.find("15日 末伏"), std::string::npos);
    EXPECT_NE(august.find("25日 出伏"), std::string::npos);
    EXPECT_EQ(august.find("中伏"), std::string::npos);
}

TEST_F(Cli, AYearNotBuiltInPointsToTheImportWithinTheWidth)
{
    for (const std::vector<std::string>& args : {std::vector<std::string>{"2027", "1"}, {"-3", "2027", "1"}}) {
        const std::string out = Cal(args).out;
        EXPECT_NE(out.find("2027年的放假安排尚未收录"), std::string::npos) << out;
        EXPECT_NE(out.find("--import-notice 导入）"), std::string::npos) << out;
        for (const std::string& line : Lines(out)) EXPECT_LE(dovrin::DisplayWidth(line), 80u) << line;
    }
}

TEST_F(Cli, LunarLineShowsFestivalsTermsAndNewMonths)
{
    using dovrin::cli::LunarLine;
    EXPECT_EQ(LunarLine(2008, 2, 7), "春节");
    EXPECT_EQ(LunarLine(2008, 2, 4), "立春");
    EXPECT_EQ(LunarLine(2008, 10, 1), "国…");  // 国庆节, cut to the cell
    EXPECT_EQ(LunarLine(2008, 4, 6), "三月");
    EXPECT_EQ(LunarLine(2008, 3, 8), "二月");  // 妇女节 too: the new month outranks a holiday
    EXPECT_EQ(LunarLine(2020, 5, 23), "闰四");
    EXPECT_EQ(LunarLine(2008, 2, 8), "初二");
    EXPECT_EQ(LunarLine(2008, 9, 17), "国…");
    EXPECT_EQ(LunarLine(2011, 5, 8), "国…");    // 国际母亲节, a week-based holiday
    EXPECT_EQ(LunarLine(2008, 12, 27), "腊月");  // 十二月 in two characters
    EXPECT_EQ(LunarLine(2008, 11, 28), "冬月");
    EXPECT_EQ(LunarLine(2026, 6, 5), "芒种");
    // The list under the month gives the term's minute in Beijing time.
    EXPECT_NE(Cal({"2026", "6"}).out.find("5日 芒种 23:48"), std::string::npos);
}

TEST_F(Cli, ColourFollowsTheTerminalAndTheUsersWish)
{
    // Today, 2008-02-08, is a day off: red over today's blue, in reverse video.
    EXPECT_NE(Cal({"2008", "2"}, {true, false}).out.find("\x1b[1;7m\x1b[31m"), std::string::npos);
    // NO_COLOR on a terminal: no colour, but today still in reverse video.
    const std::string noColor = Cal({"2008", "2"}, {true, true}).out;
    EXPECT_NE(noColor.find("\x1b[7m 8休    \x1b[0m"), std::string::npos);
    EXPECT_EQ(noColor.find("\x1b[3"), std::string::npos);
    EXPECT_NE(Cal({"--color=always", "2008", "2"}, {false, true}).out.find('\x1b'), std::string::npos);
    EXPECT_NE(Cal({"--color", "2008", "2"}, {false, false}).out.find("\x1b[31m"), std::string::npos);
    EXPECT_EQ(Cal({"--color=never", "2008", "2"}, {true, false}).out.find('\x1b'), std::string::npos);
    EXPECT_NE(Cal({"--color=auto", "2008", "2"}, {true, false}).out.find("\x1b[31m"), std::string::npos);
    // TERM=dumb takes no escape codes unless they are asked for.
    EXPECT_EQ(Cal({"2008", "2"}, {true, false, 80, true}).out.find('\x1b'), std::string::npos);
    EXPECT_NE(Cal({"--color", "2008", "2"}, {true, false, 80, true}).out.find("\x1b[31m"), std::string::npos);
}

TEST_F(Cli, DefaultsToTheCurrentMonthAndShowsAWholeYear)
{
    EXPECT_EQ(Cal({}).out, Cal({"2008", "2"}).out);
    EXPECT_EQ(Cal({"2", "2008"}).out, Cal({"2008", "2"}).out);  // a four-digit number is the year
    EXPECT_EQ(Cal({"-3"}).out, Cal({"-n", "3", "1", "2008"}).out);
    EXPECT_EQ(Cal({"--three", "2008", "2"}).out, Cal({"--months=3", "2008", "1"}).out);
    EXPECT_EQ(Cal({"-y", "2008", "5"}).out, Cal({"2008"}).out);
    // Of a value option given twice the last counts.
    EXPECT_EQ(Cal({"-n", "2", "--months", "3", "2008", "1"}).out, Cal({"-n", "3", "2008", "1"}).out);
    EXPECT_EQ(Cal({"--color=always", "--color=never", "2008", "2"}).out, Cal({"2008", "2"}).out);
    const std::string year = Cal({"2008"}).out;
    for (int month = 1; month <= 12; ++month)
        EXPECT_NE(year.find("2008年" + std::to_string(month) + "月"), std::string::npos) << month;
}

TEST_F(Cli, BadInputIsRefusedWithOneLineAndStatusTwo)
{
    struct Case { std::vector<std::string> args; const char* mentions; };
    for (const Case& c : std::vector<Case>{
             {{"--bogus"}, "unknown option"},
             {{"2008", "13"}, "1..12"},
             {{"2008", "0"}, "1..12"},
             {{"20x8"}, "not a year"},
             {{"1899"}, "1900..2100"},
             {{"2101", "2"}, "1900-01..2101-01"},
             {{"--table", "2008-02-30", "2008-03-01"}, "not a day"},
             {{"--table", "2008-2-3", "2008-03-01"}, "YYYY-MM-DD"},
             {{"--table", "1900-01-30", "1900-02-01"}, "1900-01-31..2101-01-28"},
             {{"--table", "2101-01-28", "2101-01-29"}, "1900-01-31..2101-01-28"},
             {{"--table", "2008-02-05", "2008-02-01"}, "after"},
             {{"--table", "2008-02-05"}, "two dates"},
             {{"--lunar", "2020", "13", "1"}, "1..12"},
             {{"--lunar", "2101", "1", "1"}, "1900..2100"},
             {{"--lunar", "2020", "3", "1", "--leap"}, "no leap month"},
             {{"--lunar", "2033", "7", "1", "--leap"}, "2033 has no leap month 7"},
             {{"--lunar", "2020", "4", "30", "--leap"}, "only 29 days"},
             {{"--lunar", "2049", "12", "30"}, "only 29 days"},  // the month ends the published table
             {{"--lunar", "2100", "12", "30"}, "only 29 days"},  // the month ends the span
             {{"--leap"}, "--lunar"},
             {{"--color=sometimes"}, "never, always or auto"},
             {{"--info", "1900-12-31"}, "1901-01-01..2100-12-31"},
             {{"--info", "2101-01-01"}, "1901-01-01..2100-12-31"},
             {{"1", "2", "3"}, "too many"},
             {{"12", "10"}, "four digits"},
             {{"2008", "2009"}, "four digits"},
             {{"2", "20x8"}, "four digits"},
             {{"2008", "x"}, "not a month"},
             {{"-3", "-y"}, "cannot be combined"},
             {{"-n", "0"}, "1 or more"},
             {{"--months"}, "1 or more"},
             {{"-3", "1900", "1"}, "1899-12..1900-02"},
             {{"-q"}, "unknown option '-q'"},
             {{"-y", "--table", "2008-01-01", "2008-01-02"}, "month grid"},
             {{"--ics", "2008-01-01"}, "two dates"},
             {{"--ics", "2008-01-02", "2008-01-01"}, "after"},
             {{"--ics-lunar", "8", "15"}, "--summary"},
             {{"--ics-lunar", "13", "1", "--summary", "x"}, "1..12"},
             {{"--ics-lunar", "8", "31", "--summary", "x"}, "1..30"},
             {{"--ics-lunar", "8", "15", "--summary", "a\x01"}, "control"},
             {{"--ics-lunar", "8", "15", "--summary", "\xff"}, "UTF-8"},
             {{"--ics-lunar", "8", "15", "--summary", " \u3000 "}, "blank"},
             {{"--ics-lunar", "8", "15", "--summary", "a\nb"}, "control"},
             {{"--ics-lunar", "8", "15", "--summary", "x", "--years", "2010", "2000"}, "after"},
             {{"--ics-lunar", "8", "15", "--summary", "x", "--years", "1899", "2000"}, "1900..2100"},
             {{"--ics-lunar", "8", "15", "--summary", "x", "--years", "2000"}, "two lunar years"},
             {{"--summary", "x"}, "--ics-lunar"},
             {{"--write"}, "--import-notice"},
             {{"--import-notice"}, "a file"},
             {{"--import-notice", "n.txt", "--replace"}, "--write"},
             {{"--import-notice", "n.txt", "--year", "27"}, "four digits"},
             {{"--import-notice", "n.txt", "--ics", "2008-01-01", "2008-01-02"}, "cannot be combined"},
             // An action or a file once; an option without a value named as typed.
             {{"--table", "2008-01-01", "2008-01-02", "--table"}, "--table may be given only once"},
             {{"--import-notice", "a.txt", "--import-notice", "b.txt"}, "--import-notice may be given only once"},
             {{"--import-notice", "n.txt", "-y", "2026", "--year", "2027"}, "--year may be given only once"},
             {{"--info", "--info"}, "--info may be given only once"},
             {{"--help=foo"}, "'--help=foo': --help takes no value"},
             {{"--thr=1", "2008"}, "'--thr=1': --three takes no value"},
             {{"--bogus=1"}, "unknown option '--bogus=1'"},
             {{"--pdf"}, "a file"},
             {{"--paper", "a4"}, "--pdf"},
             {{"--pdf", "x.pdf", "--paper", "a5"}, "a4 or letter"},
             {{"--pdf", "x.pdf", "2027", "13"}, "1..12"},
             {{"--pdf", "x.pdf", "1900"}, "1901..2100"},  // January 1900 lies before the span
             {{"--pdf", "x.pdf", "2101", "1"}, "2100-12"},
             {{"--pdf", "x.pdf", "2027", "2", "1"}, "at most"},
             {{"--pdf", "x.pdf", "-m"}, "--paper only"},
             // An option where a file is expected was meant as an option: no file named so.
             {{"--pdf", "--help", "2027"}, "--pdf takes a file, not the option '--help'"},
             {{"--import-notice", "--write"}, "given as --import-notice -- --write"},
             {{"--pdf", "--"}, "--pdf takes a file"},
         }) {
        const Result r = Cal(c.args);
        EXPECT_EQ(r.status, 2) << c.args[0];
        EXPECT_TRUE(r.out.empty()) << c.args[0];
        EXPECT_NE(r.err.find(c.mentions), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

TEST_F(Cli, PdfTakesThisYearByDefaultAMonthWhenGivenAndThePaper)
{
    const auto parse = [](std::vector<std::string> args) { return dovrin::cli::ParseOptions(args, {2008, 2, 8}); };
    const dovrin::cli::ParseResult year = parse({"--pdf", "-"});
    EXPECT_EQ(year.options.command, dovrin::cli::Command::Pdf);
    EXPECT_EQ(year.options.pdf.file, "-");
    EXPECT_EQ(year.options.pdf.year, 2008);
    EXPECT_EQ(year.options.pdf.month, 0);
    EXPECT_EQ(year.options.pdf.paper, dovrin::Paper::A4);
    const dovrin::cli::ParseResult month = parse({"--paper", "letter", "--pdf", "feb.pdf", "2027", "2"});
    EXPECT_EQ(month.error, "");
    EXPECT_EQ(month.options.pdf.year, 2027);
    EXPECT_EQ(month.options.pdf.month, 2);
    EXPECT_EQ(month.options.pdf.paper, dovrin::Paper::Letter);
    // MONTH YEAR as the month views take them; a file named like an option after --.
    const dovrin::cli::ParseResult swapped = parse({"--pdf", "--", "-feb.pdf", "2", "2027"});
    EXPECT_EQ(swapped.error, "");
    EXPECT_EQ(swapped.options.pdf.file, "-feb.pdf");
    EXPECT_EQ(swapped.options.pdf.year, 2027);
    EXPECT_EQ(swapped.options.pdf.month, 2);
}

TEST_F(Cli, HelpAndVersion)
{
    EXPECT_NE(Cal({"--help"}).out.find("--table FROM TO"), std::string::npos);
    EXPECT_EQ(Cal({"-h"}).out, Cal({"--help"}).out);
    EXPECT_EQ(Cal({"-mh"}).out, Cal({"--help"}).out);
    EXPECT_EQ(Cal({"--version"}).out.rfind("dovrin-cal ", 0), 0u);
    EXPECT_EQ(Cal({"--help"}).status, 0);
}

TEST_F(Cli, InfoPrintsTheDayTextWithLineFeeds)
{
    const Result r = Cal({"--info", "2008-01-15"});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
    EXPECT_NE(r.out.find("\n农历：丁亥(猪)年十二月初八\n"), std::string::npos);
    EXPECT_NE(r.out.find("\n日程信息 (2008年1月15日)\n"), std::string::npos);
    EXPECT_NE(Cal({"--info"}).out.find("日程信息 (2008年2月8日)"), std::string::npos);  // today
    EXPECT_EQ(Cal({"--info", "1901-01-01"}).status, 0);
    EXPECT_EQ(Cal({"--info", "2049-12-31"}).status, 0);
    EXPECT_NE(Cal({"--info", "2100-12-31"}).out.find("\n农历：庚申(猴)年十二月初一\n"), std::string::npos);
}

// A terminal in GBK or GB2312 gets its own bytes, and a character they lack stays visible.
TEST(TerminalText, ConvertsToTheLocalesCharsetMarkingWhatItLacks)
{
    EXPECT_EQ(dovrin::InCharset("2026年€10月\xFF!", "GB2312"), "2026\xC4\xEA?10\xD4\xC2?!");
    EXPECT_EQ(dovrin::InCharset("年", ""), "年");
    EXPECT_EQ(dovrin::InCharset(std::string(5000, 'x') + "年", "GB18030").size(), 5002u);  // past one buffer
}
