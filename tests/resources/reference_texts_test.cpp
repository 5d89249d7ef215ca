// The embedded reference texts: encoding, record counts, formats and the lookup keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "calendar/clsDate.h"
#include "calendar/utf8.h"
#include "resources/reference_texts.h"

namespace {

const dovrin::ReferenceTexts& Texts()
{
    static const dovrin::ReferenceTexts texts = dovrin::LoadReferenceTexts();
    return texts;
}

std::string ReadSource(const std::string& name)
{
    std::ifstream in(std::string(DOVRIN_TEXT_DIR) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> SourceRecords(const std::vector<std::string>& names)
{
    std::vector<std::string> records;
    for (const std::string& name : names) {
        std::istringstream lines(ReadSource(name));
        for (std::string line; std::getline(lines, line);) records.push_back(line);
    }
    return records;
}

std::vector<std::string> MonthFiles(const std::string& folder)
{
    std::vector<std::string> names;
    for (int month = 1; month <= 12; ++month)
        names.push_back(folder + (month < 10 ? "/0" : "/") + std::to_string(month) + ".txt");
    return names;
}

// The head of a record that names it in a failure: its key up to the first colon or paragraph break.
std::string RecordName(const std::string& record)
{
    return record.substr(0, std::min(record.find("："), record.find("\\n")));
}

std::vector<std::string> AllTextFiles()
{
    std::vector<std::string> names = {"sign_couples.txt", "animals.txt", "month_day_birth.txt", "sign_profiles.txt"};
    for (const char* folder : {"day_birth", "flowers"})
        for (const std::string& name : MonthFiles(folder)) names.push_back(name);
    return names;
}

std::vector<std::string> Split(const std::string& text, const std::string& marker)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(marker, start)) != std::string::npos; start = at + marker.size())
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

// The body of the flower-record section that opens with the label, or "" if there is none.
std::string FlowerSection(const std::string& record, const std::string& label)
{
    for (const std::string& section : Split(record, "\\n"))
        if (section.rfind(label, 0) == 0) return section.substr(label.size());
    return "";
}

template <typename Key>
std::size_t FirstContaining(const std::vector<std::string>& records, const Key& key)
{
    for (std::size_t i = 0; i < records.size(); ++i)
        if (records[i].find(key) != std::string::npos) return i;
    return records.size();
}

struct MonthDay {
    int month, day;
};

std::vector<MonthDay> DaysOfALeapYear()
{
    static constexpr int lengths[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::vector<MonthDay> days;
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= lengths[month - 1]; ++day) days.push_back({month, day});
    return days;
}

const char* const SignOrder[] = {"白羊", "金牛", "双子", "巨蟹", "狮子", "处女",
                                 "天平", "天蝎", "射手", "摩羯", "水瓶", "双鱼"};

}  // namespace

TEST(ReferenceTexts, EmbeddedBytesAreCleanGbkOfTheSources)
{
    struct Source { int number; std::vector<std::string> files; bool trailingBreak; };
    const std::vector<Source> sources = {
        {101, MonthFiles("day_birth"), false}, {102, {"sign_couples.txt"}, false},
        {103, {"animals.txt"}, false},         {104, MonthFiles("flowers"), true},
        {105, {"month_day_birth.txt"}, true},  {106, {"sign_profiles.txt"}, true}};
    for (const Source& source : sources) {
        const std::string_view bytes = dovrin::ResourceBytes(source.number);
        ASSERT_FALSE(bytes.empty()) << source.number;
        EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF") << "byte-order mark in " << source.number;
        const dovrin::DecodeResult decoded = dovrin::DecodeGbk(bytes);
        EXPECT_EQ(decoded.damaged, 0u) << source.number;
        std::vector<std::string> expected = SourceRecords(source.files);
        if (source.trailingBreak) expected.push_back("");
        EXPECT_EQ(dovrin::SplitRecords(decoded.text), expected) << source.number;
    }
}

TEST(ReferenceTexts, RecordCounts)
{
    EXPECT_EQ(Texts().DayBirthTexts.size(), 366u);
    EXPECT_EQ(Texts().SignCoupleTexts.size(), 12u);
    EXPECT_EQ(Texts().AnimalTexts.size(), 12u);
    EXPECT_EQ(Texts().FlowerTexts.size(), 367u);
    EXPECT_EQ(Texts().MonthDayBirthTexts.size(), 32u);
    EXPECT_EQ(Texts().SignTexts.size(), 13u);
    EXPECT_EQ(Texts().MonthDayBirthTexts.back(), "");
    EXPECT_EQ(Texts().SignTexts.back(), "");
}

TEST(ReferenceTexts, BirthdaySentencesNameTheirSignAndDay)
{
    const clsDate date;
    const auto days = DaysOfALeapYear();
    ASSERT_EQ(Texts().DayBirthTexts.size(), days.size());
    for (std::size_t i = 0; i < days.size(); ++i) {
        const auto [month, day] = days[i];
        const std::string& record = Texts().DayBirthTexts[i];
        const std::string head = date.Constellation(month, day) + "座的生日(" + std::to_string(month) + "月" +
                                 std::to_string(day) + "日)：";
        EXPECT_EQ(record.rfind(head, 0), 0u) << record;
        EXPECT_GE(dovrin::Utf8Characters(record).size(), 25u) << record;
        EXPECT_LE(dovrin::Utf8Characters(record).size(), 136u) << record;
    }
}

TEST(ReferenceTexts, EveryMonthDayKeyFindsItsOwnRecordFirst)
{
    const auto days = DaysOfALeapYear();
    for (std::size_t i = 0; i < days.size(); ++i) {
        const std::string key = std::to_string(days[i].month) + "月" + std::to_string(days[i].day) + "日";
        EXPECT_EQ(FirstContaining(Texts().DayBirthTexts, key), i) << key;
    }
    EXPECT_EQ(FirstContaining(Texts().DayBirthTexts, "2月29日"), 59u);
}

TEST(ReferenceTexts, FlowerRecordsRunParallelToTheBirthdaySentences)
{
    const auto days = DaysOfALeapYear();
    for (std::size_t i = 0; i < days.size(); ++i) {
        const auto [month, day] = days[i];
        const std::string& record = Texts().FlowerTexts[i];
        EXPECT_EQ(record.rfind(std::to_string(month) + "月" + std::to_string(day) + "日出生的人：", 0), 0u) << record;
        std::vector<std::string> labels = {"【生日花】", "【花语】", "【守护星】", "【命运】", "【代表人物】",
                                           "【性格】", "【优点】", "【缺点】"};
        if (month == 2 && (day == 7 || day == 14)) labels.insert(labels.begin() + 2, "【生日】");
        const auto sections = Split(record, "\\n");
        ASSERT_EQ(sections.size(), labels.size() + 1) << record.substr(0, 40);
        for (std::size_t s = 0; s < labels.size(); ++s) {
            EXPECT_EQ(sections[s + 1].rfind(labels[s], 0), 0u) << month << "/" << day << " " << labels[s];
            EXPECT_GT(sections[s + 1].size(), labels[s].size()) << month << "/" << day << " empty " << labels[s];
        }
    }
}

TEST(ReferenceTexts, NoTwoDaysShareAFlowerSketchOrACharacterParagraph)
{
    for (std::size_t section : {1u, 2u}) {  // 【生日花】 and 【花语】
        std::set<std::string> seen;
        for (std::size_t i = 0; i < 366; ++i) {
            const auto sections = Split(Texts().FlowerTexts[i], "\\n");
            ASSERT_GT(sections.size(), section);
            EXPECT_TRUE(seen.insert(sections[section]).second) << i << ": " << sections[section];
        }
    }
    std::set<std::string> characters;
    for (std::size_t i = 0; i < 366; ++i) {
        const auto sections = Split(Texts().FlowerTexts[i], "\\n");
        const std::string& character = sections[sections.size() - 3];  // 【性格】
        EXPECT_TRUE(characters.insert(character).second) << i << ": " << character;
    }
}

TEST(ReferenceTexts, MonthDaySketchesAreInDayOrder)
{
    for (int day = 1; day <= 31; ++day) {
        const std::string& record = Texts().MonthDayBirthTexts[day - 1];
        EXPECT_EQ(record.rfind(std::to_string(day) + "日出生的人", 0), 0u) << record;
        EXPECT_GE(dovrin::Utf8Characters(record).size(), 24u) << day;
        EXPECT_LE(dovrin::Utf8Characters(record).size(), 87u) << day;
        // They sit above the flower record and the birthday sentence, which both speak to the reader.
        EXPECT_EQ(record.find("他们"), std::string::npos) << record;
    }
}

TEST(ReferenceTexts, SignProfilesHave35SegmentsWithFixedLabels)
{
    const char* labels[] = {"星座辩解方式：", "星座自我解析：", "星座的迷人特质：", "星座优点：", "星座缺点：",
                            "星座缺点化解方法：", "星座双面性格（正面的性格）：", "星座双面性格（负面的性格）：",
                            "星座魅力：", "星座男生的善变指数：", "星座人格分析：", "星座的个人作风：",
                            "最爱算命的星座：", "星座的迟到原因：", "星座性格素描：", "星座之生命法则：",
                            "星座情绪特征："};
    for (std::size_t i = 0; i < 12; ++i) {
        const auto segments = Split(Texts().SignTexts[i], "$");
        ASSERT_EQ(segments.size(), 35u) << SignOrder[i];
        EXPECT_EQ(segments[0], std::string(SignOrder[i]) + "座人的资料：");
        for (std::size_t k = 0; k < 17; ++k) {
            EXPECT_EQ(segments[1 + 2 * k], labels[k]) << SignOrder[i];
            EXPECT_FALSE(segments[2 + 2 * k].empty()) << SignOrder[i] << " " << labels[k];
        }
    }
}

TEST(ReferenceTexts, EverySignFindsItsOwnProfileAndCoupleText)
{
    const auto& profiles = Texts().SignTexts;
    const auto& couples = Texts().SignCoupleTexts;
    for (const char* sign : SignOrder) {
        const std::string key = std::string(sign) + "座";
        std::size_t first = profiles.size();
        for (std::size_t k = 0; k < profiles.size() && first == profiles.size(); ++k)
            if (dovrin::Utf8Characters(profiles[k]).size() >= 3 && profiles[k].rfind(key, 0) == 0) first = k;
        ASSERT_LT(first, profiles.size()) << sign;
        EXPECT_EQ(profiles[first].rfind(key + "人的资料：", 0), 0u) << sign;

        const std::string coupleKey = key + "的男人和女人";
        const std::size_t couple = FirstContaining(couples, coupleKey);
        ASSERT_LT(couple, couples.size()) << sign;
        EXPECT_EQ(couples[couple].rfind(coupleKey + "\\n", 0), 0u) << sign;
        int hits = 0;
        for (const std::string& record : couples) hits += record.find(coupleKey) != std::string::npos;
        EXPECT_EQ(hits, 1) << sign;
        const auto paragraphs = Split(couples[couple], "\\n");
        EXPECT_TRUE(paragraphs.size() == 5 || paragraphs.size() == 6) << sign;
    }
}

TEST(ReferenceTexts, EveryAnimalFindsItsOwnRecordFirst)
{
    const char* heads[] = {"鼠", "馬", "牛", "羊", "虎", "猴", "兔", "鷄", "龍", "狗", "蛇", "豬"};
    const char* simplified[] = {"鼠", "马", "牛", "羊", "虎", "猴", "兔", "鸡", "龙", "狗", "蛇", "猪"};
    const auto& animals = Texts().AnimalTexts;
    for (std::size_t i = 0; i < 12; ++i) {
        const auto parts = Split(animals[i], "\\n");
        const std::size_t paragraphs = std::string(heads[i]) == "牛" ? 5 : 4;
        ASSERT_EQ(parts.size(), 5 + paragraphs) << heads[i];
        EXPECT_EQ(parts[0], heads[i]);
        EXPECT_EQ(parts[1], std::string("“") + heads[i] + "”字的传说：");
        EXPECT_EQ(parts[3], "");
        EXPECT_EQ(parts[4], std::string("属") + heads[i] + "的人：");
        EXPECT_EQ(FirstContaining(animals, simplified[i]), i) << simplified[i];
    }
    // Every animal that YearAttribute names over a full cycle lands on a record.
    const clsDate date;
    for (int year = 2000; year < 2012; ++year)
        EXPECT_LT(FirstContaining(animals, date.YearAttribute(year)), 12u) << year;
}

TEST(ReferenceTexts, GuardianStarOpensWithTheRulerOfTheDaysSign)
{
    const std::map<std::string, std::vector<std::string>> rulers = {
        {"白羊", {"火星"}}, {"金牛", {"金星"}}, {"双子", {"水星"}},           {"巨蟹", {"月亮"}},
        {"狮子", {"太阳"}}, {"处女", {"水星"}}, {"天平", {"金星"}},           {"天蝎", {"冥王星", "火星"}},
        {"射手", {"木星"}}, {"摩羯", {"土星"}}, {"水瓶", {"天王星", "土星"}}, {"双鱼", {"海王星", "木星"}}};
    const clsDate date;
    const auto days = DaysOfALeapYear();
    const auto records = SourceRecords(MonthFiles("flowers"));
    ASSERT_EQ(records.size(), days.size());
    for (std::size_t i = 0; i < days.size(); ++i) {
        const std::string star = FlowerSection(records[i], "【守护星】");
        bool opens = false;
        for (const std::string& ruler : rulers.at(date.Constellation(days[i].month, days[i].day)))
            opens = opens || star.rfind(ruler + "，", 0) == 0 || star.rfind(ruler + "与", 0) == 0;
        EXPECT_TRUE(opens) << days[i].month << "/" << days[i].day << " " << star;
    }
}

TEST(ReferenceTexts, BirthdayFlowersAreNoTreesLeavesOrFerns)
{
    const auto days = DaysOfALeapYear();
    const auto records = SourceRecords(MonthFiles("flowers"));
    ASSERT_EQ(records.size(), days.size());
    for (std::size_t i = 0; i < days.size(); ++i) {
        const std::string flower = FlowerSection(records[i], "【生日花】");
        for (const char* part : {"蕨", "松", "柏", "杉", "桦", "树", "叶"})
            EXPECT_EQ(flower.find(part), std::string::npos) << days[i].month << "/" << days[i].day << " " << flower;
    }
}

TEST(ReferenceTexts, BirthdaySentenceAndFlowerRecordShareNoLongPassage)
{
    constexpr std::size_t run = 12;  // characters in a row that the two texts of one day must not share
    const auto passages = [](const std::string& text) {
        const auto characters = dovrin::Utf8Characters(text);
        std::vector<std::string> found;
        for (std::size_t at = 0; at + run <= characters.size(); ++at) {
            std::string passage;
            for (std::size_t k = at; k < at + run; ++k) passage += characters[k];
            found.push_back(passage);
        }
        return found;
    };
    const auto days = DaysOfALeapYear();
    const auto sentences = SourceRecords(MonthFiles("day_birth"));
    const auto records = SourceRecords(MonthFiles("flowers"));
    ASSERT_EQ(sentences.size(), days.size());
    ASSERT_EQ(records.size(), days.size());
    for (std::size_t i = 0; i < days.size(); ++i) {
        const auto inSentence = passages(sentences[i]);
        const std::set<std::string> known(inSentence.begin(), inSentence.end());
        for (const std::string& passage : passages(records[i]))
            if (known.count(passage)) {
                ADD_FAILURE() << days[i].month << "/" << days[i].day << " shares " << passage;
                break;
            }
    }
}

TEST(ReferenceTexts, SignsGoByTheirAcceptedNames)
{
    const clsDate date;
    std::set<std::string> table;
    for (const auto [month, day] : DaysOfALeapYear()) table.insert(date.Constellation(month, day));
    EXPECT_EQ(table, std::set<std::string>(std::begin(SignOrder), std::end(SignOrder)));

    // 山羊座 is Capricorn to a reader, never Aries; 摩蝎 misspells 摩羯. The goat of the zodiac animals stays 山羊.
    for (const std::string& record : SourceRecords(AllTextFiles()))
        for (const char* wrong : {"山羊座", "摩蝎"})
            EXPECT_EQ(record.find(wrong), std::string::npos) << wrong << " in " << RecordName(record);
}

TEST(ReferenceTexts, NoHealthDoomOrStereotypeLinesComeBack)
{
    // Health predictions, doom read into a birthday, stereotypes, a wrong season and a model we do not offer.
    // Then a famous life handed to everyone born on that day.
    const char* const phrases[] = {"身体底子较弱", "盛极而衰", "比女人还懂得体贴", "母性的光辉",
                                   "我最美好的日子已经过去", "浴火再起", "冬春交接", "顾城",
                                   "爱操心，也爱唠叨", "先立业再成家", "梦想往往是一个温暖的家", "能带她去看",
                                   "异性", "想留住他，就得", "按时吃药", "身体拖垮", "顾及身体", "忽视身体",
                                   "活下去最好的理由", "饮食要有节制", "紧张焦虑", "车站、旅店", "好咖啡",
                                   "工作狂", "既害怕又着迷", "家人和学生", "光鲜的日子", "真正的统帅", "苍凉与华美",
                                   "一时的涨落", "命中责任感"};
    for (const std::string& record : SourceRecords(AllTextFiles()))
        for (const char* phrase : phrases)
            EXPECT_EQ(record.find(phrase), std::string::npos) << phrase << " in " << RecordName(record);
}

TEST(ReferenceTexts, TemplateOpeningsStayFew)
{
    std::size_t you = 0;
    for (const std::string& sentence : Texts().DayBirthTexts) {
        const std::size_t colon = sentence.find("：");
        ASSERT_NE(colon, std::string::npos) << sentence;
        you += sentence.compare(colon + std::string("：").size(), 3, "你") == 0;
    }
    EXPECT_LE(you, 91u) << "birthday sentences opening with 你";

    std::size_t fate = 0, fault = 0;
    for (std::size_t i = 0; i < 366; ++i) {
        fate += FlowerSection(Texts().FlowerTexts[i], "【命运】").rfind("你的", 0) == 0;
        fault += FlowerSection(Texts().FlowerTexts[i], "【缺点】").rfind("过于", 0) == 0;
    }
    EXPECT_LE(fate, 60u) << "【命运】 opening with 你的";
    EXPECT_LE(fault, 30u) << "【缺点】 opening with 过于";
}

TEST(ReferenceTexts, FlowerCharacterParagraphsVaryTheirSentenceOpenings)
{
    // A paragraph that opens three or more of its sentences with 你 reads as a chain; keep such
    // paragraphs to a quarter of the year and spread them, no month above a third.
    const auto days = DaysOfALeapYear();
    std::map<int, std::pair<int, int>> months;  // month -> {chained paragraphs, days}
    for (std::size_t i = 0; i < days.size(); ++i) {
        const std::string paragraph = FlowerSection(Texts().FlowerTexts[i], "【性格】");
        int you = 0;
        bool opening = true;
        for (const std::string_view character : dovrin::Utf8Characters(paragraph)) {
            if (character == "“" || character == "\n") continue;  // a quote or a line break opens nothing
            you += opening && character == "你";
            opening = character == "。" || character == "！" || character == "？";
        }
        auto& [chained, count] = months[days[i].month];
        chained += you >= 3;
        ++count;
    }
    int chained = 0;
    for (const auto& [month, share] : months) {
        chained += share.first;
        EXPECT_LE(share.first * 3, share.second) << "month " << month << ": " << share.first << " chained";
    }
    EXPECT_LE(chained * 4, 366) << chained << " chained 【性格】 paragraphs";
}

TEST(ReferenceTexts, NoTwoFlowersShareAMeaning)
{
    // The 【花语】 opens with the meaning itself, up to the first full stop.
    std::map<std::string, std::size_t> seen;
    for (std::size_t i = 0; i < 366; ++i) {
        const std::string meaning = Split(FlowerSection(Texts().FlowerTexts[i], "【花语】"), "。")[0];
        const auto [at, fresh] = seen.emplace(meaning, i);
        EXPECT_TRUE(fresh) << meaning << " at " << at->second << " and " << i;
    }
}

namespace {

std::size_t Occurrences(const std::string& text, const std::string& phrase)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(phrase); at != std::string::npos; at = text.find(phrase, at + phrase.size()))
        ++count;
    return count;
}

// "越是…越" within one clause: a 越是 with another 越 before the next full stop, semicolon or mark.
std::size_t MoreTheMoreClauses(const std::string& text)
{
    std::size_t count = 0;
    for (std::size_t at = text.find("越是"); at != std::string::npos; at = text.find("越是", at + 1)) {
        std::size_t end = text.size();
        for (const char* stop : {"。", "；", "！", "？", "\\n"}) end = std::min(end, text.find(stop, at));
        const std::size_t next = text.find("越", at + std::string("越是").size());
        count += next < end;
    }
    return count;
}

bool IsFlowerFile(const std::string& name) { return name.rfind("flowers/", 0) == 0; }

}  // namespace

TEST(ReferenceTexts, StockPhrasesStayRareAcrossAllTexts)
{
    // Stock images that crept in from one text into the others: each at most three times in all of them.
    const char* const phrases[] = {"说走就走", "跌倒", "一针见血", "第一个站出来", "第一个想到",
                                   "顾不上", "忘了时间", "理出头绪"};
    std::map<std::string, std::pair<std::size_t, std::size_t>> counts;  // phrase -> {flowers, the rest}
    std::pair<std::size_t, std::size_t> moreTheMore;
    for (const std::string& name : AllTextFiles()) {
        const std::string text = ReadSource(name);
        for (const char* phrase : phrases)
            (IsFlowerFile(name) ? counts[phrase].first : counts[phrase].second) += Occurrences(text, phrase);
        (IsFlowerFile(name) ? moreTheMore.first : moreTheMore.second) += MoreTheMoreClauses(text);
    }
    for (const auto& [phrase, count] : counts)
        EXPECT_LE(count.first + count.second, 3u)
            << phrase << ": " << count.first << " in the flowers, " << count.second << " in the other texts";
    EXPECT_LT(moreTheMore.first + moreTheMore.second, 20u)
        << "越是…越: " << moreTheMore.first << " in the flowers, " << moreTheMore.second << " in the other texts";
}

TEST(ReferenceTexts, BirthdayAndSignTextsNeitherWorryNorAddressOnePartner)
{
    // No anxiety or sleeplessness read into a birthday, a sign or an animal.
    for (const std::string& name : AllTextFiles()) {
        if (IsFlowerFile(name)) continue;
        const std::string text = ReadSource(name);
        for (const char* word : {"焦虑", "失眠", "睡不着"})
            EXPECT_EQ(text.find(word), std::string::npos) << word << " in " << name;
    }
    // The man's and the woman's paragraphs of a couple speak about them, never to the reader as the partner.
    for (const std::string& couple : Texts().SignCoupleTexts) {
        const auto paragraphs = Split(couple, "\\n");
        ASSERT_GE(paragraphs.size(), 3u) << RecordName(couple);
        for (std::size_t k : {1u, 2u})
            EXPECT_EQ(paragraphs[k].find("你"), std::string::npos) << RecordName(couple) << " " << paragraphs[k];
    }
}

// A flower record speaks of the reader's own traits: its fate line does not list the fields of work of the
// people named two lines below, and it neither warns of poison (the oleander keeps its one note) nor worries.
TEST(ReferenceTexts, FlowerRecordsHandOnNoListedLifeAndNoWorry)
{
    struct Field {
        std::vector<std::string> inFate, inLabel;  // words naming the field in 【命运】 and in a person's label
    };
    const Field fields[] = {
        {{"科学", "研究", "实验"}, {"物理", "化学", "数学", "生物", "天文", "科学", "医学"}},
        {{"写作", "文学", "文字"}, {"作家", "诗人", "小说", "剧作"}},
        {{"音乐", "作曲"}, {"作曲", "音乐", "歌手", "歌唱", "钢琴", "指挥"}},
        {{"建筑"}, {"建筑"}},
        {{"表演", "演艺", "舞台", "银幕"}, {"演员", "导演", "舞蹈", "喜剧"}},
        {{"医疗", "医学"}, {"医生", "医学", "护理"}},
        {{"经营", "商业", "生意"}, {"企业", "商人", "投资", "实业", "银行"}},
        {{"艺术", "绘画", "设计"}, {"画家", "艺术", "雕塑", "设计"}},
        {{"竞技", "体育", "运动"}, {"运动员", "球", "拳击", "赛车"}},
        {{"政治", "公共事务", "外交"}, {"总统", "首相", "总理", "政治", "外交"}},
        {{"教育", "教学"}, {"教育"}},
        {{"心理"}, {"心理"}},
        {{"媒体", "传播"}, {"记者", "主持", "报业"}}};
    const auto containsAny = [](const std::string& text, const std::vector<std::string>& words) {
        return std::any_of(words.begin(), words.end(), [&](const std::string& w) { return text.find(w) != std::string::npos; });
    };
    for (const std::string& record : SourceRecords(MonthFiles("flowers"))) {
        std::string labels;  // what the parentheses of 【代表人物】 say the people did
        const std::string people = FlowerSection(record, "【代表人物】");
        for (std::size_t open = 0; (open = people.find("（", open)) != std::string::npos;) {
            const std::size_t close = people.find("）", open);
            labels += people.substr(open, close - open) + " ";
            open = close;
        }
        const std::string fate = FlowerSection(record, "【命运】");
        int shared = 0;
        for (const Field& field : fields) shared += containsAny(fate, field.inFate) && containsAny(labels, field.inLabel);
        EXPECT_LT(shared, 2) << RecordName(record) << " names the listed people's fields: " << fate;

        const bool oleander = FlowerSection(record, "【生日花】").find("夹竹桃") != std::string::npos;
        if (!oleander) {
            EXPECT_EQ(record.find("有毒"), std::string::npos) << "poison in " << RecordName(record);
        }
        for (const char* worry : {"焦虑", "失眠", "睡不着", "全部身家"})
            EXPECT_EQ(record.find(worry), std::string::npos) << worry << " in " << RecordName(record);
    }
}

// A phrase of six characters that turns up in four or more flower records reads as a template. The planets
// that open the guardian-star line and the people listed repeat by design and are left out.
TEST(ReferenceTexts, FlowerRecordsShareNoLongPhraseMoreThanThrice)
{
    constexpr std::size_t run = 6;
    std::map<std::string, int> seen;
    for (const std::string& record : SourceRecords(MonthFiles("flowers"))) {
        const std::string star = FlowerSection(record, "【守护星】");
        std::string text = star.substr(std::min(star.size(), star.find("，")));
        for (const char* label : {"【花语】", "【命运】", "【性格】", "【优点】", "【缺点】"})
            text += "。" + FlowerSection(record, label);
        std::vector<std::string_view> ideographs;  // the run of CJK ideographs up to here
        for (const std::string_view character : dovrin::Utf8Characters(text)) {
            const auto lead = static_cast<unsigned char>(character[0]);
            if (character.size() != 3 || lead < 0xE4 || lead > 0xE9) {
                ideographs.clear();
                continue;
            }
            ideographs.push_back(character);
            if (ideographs.size() < run) continue;
            std::string phrase;
            for (auto at = ideographs.end() - run; at != ideographs.end(); ++at) phrase += *at;
            ++seen[phrase];
        }
    }
    for (const auto& [phrase, count] : seen) EXPECT_LE(count, 3) << phrase;
}
