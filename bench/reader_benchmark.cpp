// The readers of a user's files on the worst inputs of their 1 MiB bound that we know of:
// each is to read them in well under half a second, as a program reads them at its start.
#include <benchmark/benchmark.h>

#include <functional>
#include <string>

#include "resources/notice.h"
#include "resources/rest_day_json.h"
#include "resources/rest_day_lines.h"
#include "resources/user_file.h"

namespace {

// `head`, then `piece` repeated up to the bound, then `tail`.
std::string Filled(const std::string& head, const std::string& piece, const std::string& tail = "")
{
    std::string text = head;
    while (text.size() + piece.size() + tail.size() <= dovrin::LargestUserFile) text += piece;
    return text + tail;
}

const std::string Title = "国务院办公厅关于2027年部分节假日安排的通知\n";

// The seven holidays, each with the whole year as its period.
std::string LongPeriods()
{
    const char* items[] = {"一、元旦", "二、春节", "三、清明节", "四、劳动节", "五、端午节", "六、中秋节", "七、国庆节"};
    std::string text = Title;
    for (const char* item : items) text += std::string(item) + "：1月1日至12月31日放假。\n";
    return text;
}

std::string Nested(std::size_t depth)
{
    return "{\"days\": [], \"x\": " + std::string(depth, '[') + std::string(depth, ']') + "}";
}

void Json(benchmark::State& state, const std::string& text)
{
    for (auto _ : state) benchmark::DoNotOptimize(dovrin::ParseRestDayJson(text, "2027.json").errors.size());
}

void Tsv(benchmark::State& state, const std::string& text)
{
    for (auto _ : state) benchmark::DoNotOptimize(dovrin::ParseRestDayLines(text, "rest-days.tsv", false).errors.size());
}

void Notice(benchmark::State& state, const std::string& text)
{
    for (auto _ : state) benchmark::DoNotOptimize(dovrin::ParseNotice(text, 0).errors.size());
}

}  // namespace

// Entries that are all refused, each noting the line it begins on.
BENCHMARK_CAPTURE(Json, EmptyEntries, Filled("{\"days\": [{}", ",\n{}", "]}"));
BENCHMARK_CAPTURE(Json, BadDates,
                  Filled("{\"days\": [", "{\"name\":\"x\",\"date\":\"2027-02-30\",\"isOffDay\":true},\n", "{}]}"));
// Numbers no double holds under a key nobody reads, each a round of parsing.
BENCHMARK_CAPTURE(Json, Overflows, Filled("{\"days\": [], \"x\": [1e999", ",1e999", "]}"));
BENCHMARK_CAPTURE(Json, DeepNesting, Filled("{\"days\": [], \"x\": ", "[") + "");
BENCHMARK_CAPTURE(Json, DeepNestingClosed, Nested(dovrin::LargestUserFile / 2 - 20));
BENCHMARK_CAPTURE(Json, DuplicateKeys, Filled("{\"days\": [{", "\"name\":\"x\",", "\"date\":\"2027-01-01\"}]}"));
BENCHMARK_CAPTURE(Json, SyntaxErrorAtTheEnd, Filled("{\"days\": [{}", ",\n{}", "]x"));

BENCHMARK_CAPTURE(Tsv, CarriageReturns, Filled("", "\r\n"));
BENCHMARK_CAPTURE(Tsv, BadLines, Filled("", "2027-02-30\t休\t\x1B[2J\n"));
BENCHMARK_CAPTURE(Tsv, OneLongLine, Filled("", "x"));
BENCHMARK_CAPTURE(Tsv, GoodLinesOfOneDay, Filled("", "2027-01-01\t休\t元旦\n"));

BENCHMARK_CAPTURE(Notice, SpacesAfterAnItem, Filled(Title + "一、元旦：1月1日放假", " "));
BENCHMARK_CAPTURE(Notice, FullWidthBrackets, Filled(Title + "一、元旦：", "（"));
BENCHMARK_CAPTURE(Notice, FullWidthCommas, Filled(Title + "一、元旦：", "，"));
BENCHMARK_CAPTURE(Notice, LineBreaks, Filled(Title + "一、元旦：1月1日放假", "\r\n"));
BENCHMARK_CAPTURE(Notice, Titles, Filled("", "关于2027年部分节假日安排的通知"));
BENCHMARK_CAPTURE(Notice, ItemStarts, Filled(Title, "一、元旦：\n"));
BENCHMARK_CAPTURE(Notice, ShortLines, Filled(Title + "一、元旦：1月1日放假\n", "1日\n"));
BENCHMARK_CAPTURE(Notice, LongestItem, Filled(Title + "一、元旦：", "1月1日放假，"));
BENCHMARK_CAPTURE(Notice, LongPeriods, LongPeriods());
BENCHMARK_CAPTURE(Notice, Numerals, Filled(Title, "一"));

BENCHMARK_MAIN();
