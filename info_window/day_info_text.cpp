// Composes the day information text from the date object and the reference texts.
#include "info_window/day_info_text.h"

#include "calendar/utf8.h"
#include "calendar/locale_names.h"
#include "info_window/almanac_text.h"

namespace dovrin {
namespace {

constexpr const char* CrLf = "\r\n";
constexpr const char* Sep = "===================================";  // 35 columns
constexpr std::size_t HeaderColumns = 35;

const char* const CreditLines[] = {
    "Dovrin万年历  Dovrin 项目组 出品",
    "电子邮件：team@dovrin.invalid",
    "网址：https://dovrin.invalid/",
};

// The records keep their line-break markers; they become CR LF only here.
std::string WithBreaks(const std::string& record, const std::string& marker)
{
    return ReplaceAll(record, marker, CrLf);
}

// Index of the first record containing key; records.size() when none does.
std::size_t FirstContaining(const std::vector<std::string>& records, const std::string& key)
{
    for (std::size_t i = 0; i < records.size(); ++i)
        if (records[i].find(key) != std::string::npos) return i;
    return records.size();
}

// Index of the first record whose first three characters are key.
std::size_t FirstStartingWith(const std::vector<std::string>& records, const std::string& key)
{
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto characters = Utf8Characters(records[i]);
        if (characters.size() < 3) continue;
        const std::size_t length = characters[2].data() + characters[2].size() - records[i].data();
        if (records[i].compare(0, length, key) == 0) return i;
    }
    return records.size();
}

}  // namespace

std::string DayInfoCaption(const std::string& label1Caption)
{
    return "Dovrin万年历 - [" + label1Caption + "]";
}

std::string SolarTermInstant(const clsDate& calDate)
{
    const std::string instant = calDate.lSolarTermTime();
    return instant.empty() ? instant : calDate.lSolarTerm() + " " + instant + "（北京时间）";
}

void AppendMyDaysText(std::string& text, const std::vector<MyDay>& myDays, CivilDate date)
{
    constexpr std::int32_t ComingWithin = 30;
    const std::string section = MyDaysSectionText(myDays, MyDaysBetween(myDays, date, date));
    const std::vector<MyDayOnDate> coming = MyDaysComing(myDays, date, ComingWithin);
    if (section.empty() && coming.empty()) return;
    if (!text.empty() && !text.ends_with(CrLf)) text += CrLf;
    text += Sep;
    text += CrLf;
    if (!section.empty()) text += section + CrLf;
    for (const MyDayOnDate& day : coming) text += MyDayComingText(myDays[day.index], day, date) + CrLf;
}

std::string DayInfoText(clsDate& calDate, const ReferenceTexts& texts, std::int16_t curYear, std::int16_t curMonth,
                        std::int16_t curDay, const std::vector<MyDay>& myDays)
{
    calDate.sInitDate(curYear, curMonth, curDay);
    const std::string m = std::to_string(curMonth);
    const std::string d = std::to_string(curDay);
    const std::string monthDayKey = m + "月" + d + "日";
    const std::string sign = calDate.Constellation(curMonth, curDay);
    // The person born that day belongs to the lunar year, also before the lunar new year.
    const std::string animal = calDate.YearAttribute(calDate.lYear());

    std::string t;
    const auto line = [&t](const std::string& text) {
        t += text;
        t += CrLf;
    };
    for (const char* credit : CreditLines) line(Centred(credit, HeaderColumns));  // a Chinese character counts two columns
    line(Sep);
    const std::string date = ChineseDate(curYear, curMonth, curDay);
    line("日程信息 (" + date + ")");
    line(Sep);
    line("年份：" + calDate.Era(curYear));
    line("公历：" + date + " " + calDate.sWeekDayStr());
    line("农历：" + LunarDateText(calDate));
    line(Sep);
    line("公历节日：");
    line(calDate.sHoliday() + " " + calDate.wHoliday());
    line("农历节日：");
    line(calDate.lHoliday());
    line(Sep);
    const auto& monthDay = texts.MonthDayBirthTexts;
    line(curDay >= 1 && static_cast<std::size_t>(curDay) <= monthDay.size() ? monthDay[curDay - 1] : "");
    line(Sep);

    // The birthday sentence and the flower record share one index: the tables run in parallel.
    const std::size_t birthday = FirstContaining(texts.DayBirthTexts, monthDayKey);
    t += "生日花语 - ";
    if (birthday < texts.DayBirthTexts.size() && birthday < texts.FlowerTexts.size())
        line(WithBreaks(texts.FlowerTexts[birthday], "\\n"));
    line(Sep);

    line("星座：" + sign + "座(" + calDate.Constellation2(curMonth, curDay) + ")");
    if (birthday < texts.DayBirthTexts.size()) line(texts.DayBirthTexts[birthday] + CrLf);
    if (const std::size_t k = FirstStartingWith(texts.SignTexts, sign + "座"); k < texts.SignTexts.size())
        line(WithBreaks(texts.SignTexts[k], "$") + CrLf);
    t += CrLf;
    const std::size_t couple = FirstContaining(texts.SignCoupleTexts, sign + "座的男人和女人");
    if (couple < texts.SignCoupleTexts.size()) line(WithBreaks(texts.SignCoupleTexts[couple], "\\n"));
    line(Sep);

    t += "属相：";
    if (const std::size_t n = FirstContaining(texts.AnimalTexts, animal); n < texts.AnimalTexts.size())
        line(WithBreaks(texts.AnimalTexts[n], "\\n"));
    if (const std::string term = SolarTermInstant(calDate); !term.empty()) {
        if (!t.ends_with(CrLf)) t += CrLf;
        line("节气：" + term);
    }
    AppendMyDaysText(t, myDays, {curYear, curMonth, curDay});
    AppendAlmanacText(t, {curYear, curMonth, curDay});
    return t;
}

}  // namespace dovrin
