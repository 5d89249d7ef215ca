// Days off and working days in holiday-cn's yearly JSON files.
#include "resources/rest_day_json.h"

#include <algorithm>
#include <iterator>
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

}  // namespace

RestDayLines ParseRestDayJson(std::string_view text, std::string_view name)
{
    RestDayLines result;
    const auto refuse = [&](std::size_t line, const std::string& why) {
        result.errors.push_back(Printable(name) + ":" + std::to_string(line) + ": " + why);
    };
    const char* read = text.data();
    std::vector<std::size_t> entryLines;  // the line of each entry of "days"
    std::string topKey;
    const nlohmann::json::parser_callback_t note = [&](int depth, nlohmann::json::parse_event_t event,
                                                       nlohmann::json& value) {
        if (event == nlohmann::json::parse_event_t::key && depth == 1) topKey = value.get<std::string>();
        if (event == nlohmann::json::parse_event_t::object_start && depth == 2 && topKey == "days")
            entryLines.push_back(LineAt(text, static_cast<std::size_t>(read - text.data()) - 1));
        return true;
    };
    nlohmann::json json;
    try {
        json = nlohmann::json::parse(CountingIterator(text.data(), &read),
                                     CountingIterator(text.data() + text.size(), &read), note);
    } catch (const nlohmann::json::parse_error& error) {
        // "[json.exception.parse_error.101] parse error at line 3, column 5: syntax error …"
        const std::string what = error.what();
        const std::size_t column = what.find("column ");
        const std::size_t why = column == std::string::npos ? column : what.find(": ", column);
        refuse(LineAt(text, error.byte ? error.byte - 1 : 0),
               Format(_("not JSON: {1}"), {Printable(why == std::string::npos ? what : what.substr(why + 2))}));
        return result;
    } catch (const nlohmann::json::exception& error) {
        // Well-formed but unusable, such as a number too large for a double ("1e999").
        const std::string what = error.what();
        const std::size_t why = what.find("] ");
        refuse(LineAt(text, static_cast<std::size_t>(read - text.data())),
               Format(_("not JSON: {1}"), {Printable(why == std::string::npos ? what : what.substr(why + 2))}));
        return result;
    }
    const auto days = json.is_object() ? json.find("days") : json.end();
    if (!json.is_object() || days == json.end() || !days->is_array() || days->size() != entryLines.size()) {
        refuse(1, _("no \"days\" list of objects, as in {\"days\": [{\"name\": \"元旦\", \"date\": \"2027-01-01\", "
                    "\"isOffDay\": true}]}"));
        return result;
    }
    std::set<std::string> seen;
    for (std::size_t i = 0; i < days->size(); ++i) {
        const nlohmann::json& day = (*days)[i];
        const auto field = [&](const char* key) { return day.find(key); };
        if (field("name") == day.end() || !field("name")->is_string() || field("date") == day.end() ||
            !field("date")->is_string() || field("isOffDay") == day.end() || !field("isOffDay")->is_boolean()) {
            refuse(entryLines[i], _("a day needs \"name\" and \"date\" as text and \"isOffDay\" as true or false"));
            continue;
        }
        const std::string date = *field("date");
        RestDayLine line;
        std::string why = ReadRestDayFields(date, field("isOffDay")->get<bool>() ? "休" : "班",
                                            field("name")->get<std::string>(), line);
        if (why.empty() && !seen.insert(date).second) why = Format(_("{1} is given twice"), {date});
        if (!why.empty()) {
            refuse(entryLines[i], why);
            continue;
        }
        result.lines.push_back(std::move(line));
    }
    return result;
}

}  // namespace dovrin
