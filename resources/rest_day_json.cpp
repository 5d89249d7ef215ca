// Days off and working days in holiday-cn's yearly JSON files.
#include "resources/rest_day_json.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <set>

#include <nlohmann/json.hpp>

#include "calendar/utf8.h"
#include "resources/messages.h"

namespace dovrin {
namespace {

// A character iterator that notes how far the parser has read, so that its callbacks can
// tell the line a value begins on.
class CountingIterator {
public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    CountingIterator(const char* start, const char** furthest) : at(start), read(furthest) {}
    reference operator*() const { return *at; }
    CountingIterator& operator++()
    {
        *read = ++at;
        return *this;
    }
    CountingIterator operator++(int)
    {
        CountingIterator before = *this;
        ++*this;
        return before;
    }
    bool operator==(const CountingIterator& other) const { return at == other.at; }

private:
    const char* at;
    const char** read;
};

std::size_t LineAt(std::string_view text, std::size_t offset)
{
    offset = std::min(offset, text.size());
    const auto end = text.begin() + static_cast<std::ptrdiff_t>(offset);
    return static_cast<std::size_t>(std::count(text.begin(), end, '\n')) + 1;
}

// The lines of offsets that only grow, as the parser reads on: each byte counted once.
class LineCounter {
public:
    explicit LineCounter(std::string_view whole) : text(whole) {}
    std::size_t LineAt(std::size_t offset)
    {
        offset = std::min(offset, text.size());
        if (offset < counted) {  // not met while parsing; counted again from the start
            counted = 0;
            line = 1;
        }
        line += static_cast<std::size_t>(std::count(text.begin() + static_cast<std::ptrdiff_t>(counted),
                                                    text.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
        counted = offset;
        return line;
    }

private:
    std::string_view text;
    std::size_t counted = 0;
    std::size_t line = 1;
};

// Where the parser is: the key at the top level, and the key inside the current entry of
// "days" ("" before its first key or outside "days").
struct Place {
    std::string topKey;
    std::string entryKey;

    // Whether a value here is one the reader uses: a bad value elsewhere is none of its
    // business.
    bool IsUsed() const
    {
        if (topKey == "year") return true;
        if (topKey != "days") return false;
        return entryKey.empty() || entryKey == "name" || entryKey == "date" || entryKey == "isOffDay";
    }
};

// The year a name such as ".../2028.json" gives, 0 for another name.
std::int32_t YearOfName(std::string_view name)
{
    const std::string_view file = name.substr(name.find_last_of('/') + 1);
    std::int32_t year = 0;
    if (file.size() != 9 || !file.ends_with(".json") || !ParseDigits(file.substr(0, 4), year)) return 0;
    return year;
}

// "[json.exception.out_of_range.406] number overflow parsing '1e999'" without its tag.
std::string WhatOf(const std::string& what)
{
    const std::size_t at = what.find("] ");
    return Printable(at == std::string::npos ? what : what.substr(at + 2));
}

struct KeyGivenTwice {
    std::size_t entry;  // of "days", from 1; 0 for a key of the top level
    std::string key;
    std::size_t line;

    std::string Why() const { return Format(_("{1} is given twice"), {Format("\"{1}\"", {Printable(key)})}); }
};

// Where each entry of "days" begins, which keys a part the reader uses gives twice, and where
// and why the parser stopped.
class PlaceNoter : public nlohmann::json_sax<nlohmann::json> {
public:
    PlaceNoter(const std::string& text, const char*& readUpTo) : working(text), read(readUpTo), lines(text) {}

    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override
    {
        if (depth == 0) topKeys.clear();
        if (depth == 2 && place.topKey == "days") {
            place.entryKey.clear();
            entryKeys.clear();
            entryLines.push_back(lines.LineAt(Offset() - 1));
        }
        ++depth;
        return true;
    }
    bool key(string_t& key) override
    {
        if (depth == 1) {
            place = {key, ""};
            if (!topKeys.insert(key).second && place.IsUsed()) twice.push_back({0, key, lines.LineAt(Offset())});
        }
        if (depth == 3) {
            place.entryKey = key;
            if (!entryKeys.insert(key).second && place.IsUsed() && !entryLines.empty())
                twice.push_back({entryLines.size(), key, lines.LineAt(Offset())});
        }
        return true;
    }
    bool end_object() override { return Close(); }
    bool start_array(std::size_t) override
    {
        ++depth;
        return true;
    }
    bool end_array() override { return Close(); }
    bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception& error) override
    {
        const std::string what = error.what();
        if (error.id < 200) {
            // "[json.exception.parse_error.101] parse error at line 3, column 5: syntax error …"
            const std::size_t column = what.find("column ");
            const std::size_t after = column == std::string::npos ? column : what.find(": ", column);
            why = Format(_("not JSON: {1}"), {Printable(after == std::string::npos ? what : what.substr(after + 2))});
            stop = position ? position - 1 : 0;
        } else {
            // Well-formed but unusable, such as a number too large for a double ("1e999").
            stop = Offset();
            if (place.IsUsed()) why = Format(_("not JSON: {1}"), {WhatOf(what)});
        }
        return false;
    }

    std::vector<std::size_t> entryLines;
    std::vector<KeyGivenTwice> twice;
    std::string why;
    std::size_t stop = 0;

private:
    std::size_t Offset() const { return static_cast<std::size_t>(read - working.data()); }
    bool Close()
    {
        --depth;
        if (depth == 2) place.entryKey.clear();
        return true;
    }

    const std::string& working;
    const char*& read;
    LineCounter lines;
    Place place;
    int depth = 0;
    std::set<std::string> topKeys, entryKeys;
};

class JsonReader {
public:
    JsonReader(std::string_view json, std::string_view fileName) : text(json), name(fileName) {}

    RestDayLines Read()
    {
        // A number that no double holds, under a key nobody reads, is set to 0 and the text
        // parsed again: a few such rounds, so that a file full of them cannot hold a program
        // up at its start.
        constexpr int mostRounds = 16;
        std::string working(text);
        nlohmann::json json;
        for (int round = 0;; ++round) {
            std::string why;
            const std::optional<std::size_t> overflow = Parse(working, json, why);
            if (!overflow) break;
            if (why.empty() && round == mostRounds)
                why = _("more numbers too large for a double than a file of days has");
            if (!why.empty()) {
                Refuse(LineAt(working, *overflow), why);
                return std::move(result);
            }
            std::size_t end = *overflow;
            const std::size_t start = OverflowStart(working, end);
            if (start == end) {  // no number before the parser's place: nothing to set aside
                Refuse(LineAt(working, end), Format(_("not JSON: {1}"), {"?"}));
                return std::move(result);
            }
            working = working.substr(0, start) + "0" + working.substr(end);
        }
        if (result.errors.empty()) ReadDays(json);
        return std::move(result);
    }

private:
    void Refuse(std::size_t line, const std::string& why) { result.errors.push_back(LineError(name, line, why)); }

    // The JSON of `working` into `json`: nothing when it parsed, or the offset past a number
    // too large to hold, with `why` set when that number is one the reader uses. A syntax
    // error is refused here and gives the end offset with `why`. The places are noted in one
    // pass of the SAX parser, then the values read by the plain one: both linear, where the
    // parser's own callbacks search each array again at every value.
    std::optional<std::size_t> Parse(const std::string& working, nlohmann::json& json, std::string& why)
    {
        const char* read = working.data();
        PlaceNoter noter(working, read);
        const bool good = nlohmann::json::sax_parse(CountingIterator(working.data(), &read),
                                                    CountingIterator(working.data() + working.size(), &read), &noter);
        entryLines = std::move(noter.entryLines);
        twice = std::move(noter.twice);
        if (!good) {
            why = noter.why;
            return noter.stop;
        }
        json = nlohmann::json::parse(working);
        return std::nullopt;
    }

    // Where the number that the parser read up to `end` begins: it looks one character
    // past a number.
    static std::size_t OverflowStart(const std::string& working, std::size_t& end)
    {
        constexpr std::string_view numeric = "0123456789+-.eE";
        end = std::min(end, working.size());
        while (end > 0 && numeric.find(working[end - 1]) == std::string_view::npos) --end;
        std::size_t start = end;
        while (start > 0 && numeric.find(working[start - 1]) != std::string_view::npos) --start;
        return start;
    }

    // "year" and the file's name agree; every entry of "days" becomes a line of that year.
    void ReadDays(const nlohmann::json& json)
    {
        for (const KeyGivenTwice& key : twice)
            if (key.entry == 0) return Refuse(key.line, key.Why());
        const auto days = json.is_object() ? json.find("days") : json.end();
        if (!json.is_object() || days == json.end() || !days->is_array() || days->size() != entryLines.size()) {
            Refuse(1, _("no \"days\" list of objects, as in {\"days\": [{\"name\": \"元旦\", \"date\": \"2027-01-01\", "
                         "\"isOffDay\": true}]}"));
            return;
        }
        std::int32_t year = YearOfName(name);
        if (const auto given = json.find("year"); given != json.end()) {
            if (!given->is_number_integer() || *given < 1 || *given > 9999 || (year && *given != year)) {
                Refuse(1, year ? Format(_("\"year\" is {1}, not the year {2} of the file's name"),
                                         {Printable(given->dump()), std::to_string(year)})
                                : Format(_("\"year\" is {1}, not a year"), {Printable(given->dump())}));
                return;
            }
            year = given->get<std::int32_t>();
        }
        std::set<CivilDate> seen;
        auto given = twice.begin();
        for (std::size_t i = 0; i < days->size(); ++i) {
            if (given != twice.end() && given->entry == i + 1) {
                result.errors.push_back(LineError(name, given->line, given->Why()));
                while (given != twice.end() && given->entry == i + 1) ++given;
                continue;
            }
            ReadDay((*days)[i], entryLines[i], year, seen);
        }
    }

    void ReadDay(const nlohmann::json& day, std::size_t at, std::int32_t year, std::set<CivilDate>& seen)
    {
        const auto field = [&](const char* key) { return day.find(key); };
        if (field("name") == day.end() || !field("name")->is_string() || field("date") == day.end() ||
            !field("date")->is_string() || field("isOffDay") == day.end() || !field("isOffDay")->is_boolean()) {
            result.errors.push_back(
                LineError(name, at, _("a day needs \"name\" and \"date\" as text and \"isOffDay\" as true or false")));
            return;
        }
        RestDayLine line;
        std::string why = ReadRestDayFields(field("date")->get<std::string>(), DayOffMark(field("isOffDay")->get<bool>() ? DayOff::Rest : DayOff::Work),
                                            field("name")->get<std::string>(), line);
        if (why.empty() && year && NoticeYearOf(line.date) != year && line.date.year != year)
            why = Format(_("{1} is no day of the arrangement of {2}"), {IsoDate(line.date), std::to_string(year)});
        if (why.empty()) why = GivenTwice(seen, line.date);
        if (!why.empty()) {
            result.errors.push_back(LineError(name, at, why));
            return;
        }
        result.lines.push_back(std::move(line));
    }

    std::string_view text;
    std::string_view name;
    std::vector<std::size_t> entryLines;  // the line of each entry of "days"
    std::vector<KeyGivenTwice> twice;     // keys the reader uses, given twice
    RestDayLines result;
};

}  // namespace

RestDayLines ParseRestDayJson(std::string_view text, std::string_view name)
{
    return JsonReader(text, name).Read();
}

}  // namespace dovrin
