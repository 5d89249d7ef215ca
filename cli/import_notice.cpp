// dovrin-cal --import-notice: a yearly notice into lines of days off, printed or written into
// the user's file.
#include "import_notice.h"

#include <set>

#include "calendar/utf8.h"
#include "resources/messages.h"
#include "resources/notice.h"
#include "resources/rest_day_lines.h"
#include "resources/user_file.h"

namespace dovrin::cli {
namespace {

// The whole stream: "" when it could be read, else why not.
std::string ReadAll(std::istream& in, std::string& text)
{
    text.assign(LargestUserFile + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return _("cannot read standard input");
    if (text.size() > LargestUserFile)
        return Format(_("{1}: the file is larger than {2} bytes"), {_("standard input"), std::to_string(LargestUserFile)});
    return {};
}

// The notice's text, or false with the reason in `why`.
bool ReadNotice(const ImportRequest& request, const ImportFiles& files, std::string& text, std::string& why)
{
    if (request.source != "-") {
        UserFile file = ReadNamedFile(request.source);
        if (!file.read) why = file.messages.empty() ? std::string() : file.messages.front();
        text = std::move(file.text);
        return file.read;
    }
    why = files.standardInput ? ReadAll(*files.standardInput, text) : _("cannot read standard input");
    return why.empty();
}

// The user's file with the lines of `year` put in: appended, or with `replace` where the
// year's first line stood and its other lines dropped. Every other byte of `old` is kept.
// False with `why` when the year is there without `replace`, or a new date is in the file
// under another year.
bool WithYear(const std::string& old, const std::string& name, const Notice& notice, bool replace, std::string& merged,
              std::size_t& replaced, std::string& why)
{
    std::set<CivilDate> newDays;
    std::string lines;
    for (const RestDayLine& line : notice.lines) {
        newDays.insert(line.date);
        lines += RestDayLineText(line);
    }
    std::string kept;
    bool placed = false;
    replaced = 0;
    std::size_t number = 0;
    for (std::size_t at = 0; at < old.size(); ++number) {
        const std::size_t end = std::min(old.find('\n', at), old.size() - 1) + 1;
        const std::string_view raw(old.data() + at, end - at);
        at = end;
        const RestDayLines parsed = ParseRestDayLines(raw, name, false);
        if (parsed.lines.size() == 1 && NoticeYearOf(parsed.lines[0].date) == notice.year) {
            ++replaced;
            if (replace && !placed) kept += lines;
            placed = placed || replace;
            if (replace) continue;
        } else if (parsed.lines.size() == 1 && newDays.count(parsed.lines[0].date)) {
            why = LineError(name, number + 1, Format(_("{1} is in the file already"), {IsoDate(parsed.lines[0].date)}));
            return false;
        }
        kept += raw;
    }
    if (replaced && !replace) {
        why = Format(_("{1} holds {2} lines of {3} already; --replace replaces them"),
                     {name, std::to_string(replaced), std::to_string(notice.year)});
        return false;
    }
    if (!placed) {
        if (!kept.empty() && kept.back() != '\n') kept += '\n';
        kept += lines;
    }
    merged = std::move(kept);
    return true;
}

}  // namespace

int ImportNotice(const ImportRequest& request, const ImportFiles& files, std::string& out, std::string& err)
{
    const std::string source = request.source == "-" ? _("standard input") : Printable(request.source);
    const auto fail = [&](int status, const std::string& why) {
        err += Format(_("dovrin-cal: {1}"), {why}) + "\n";
        return status;
    };

    std::string text, why;
    if (!ReadNotice(request, files, text, why)) return fail(2, why);
    const Notice notice = ParseNotice(text, request.year);
    for (const std::string& error : notice.errors) fail(2, source + ": " + error);
    if (!notice.errors.empty()) return 2;

    std::string lines;
    std::size_t rest = 0;
    for (const RestDayLine& line : notice.lines) {
        lines += RestDayLineText(line);
        rest += line.kind == DayOff::Rest;
    }
    if (!request.write) {
        out = lines;
        return 0;
    }

    const std::string& path = files.restDaysPath;
    if (path.empty()) return fail(2, _("the user's file has no place: neither XDG_DATA_HOME nor HOME is set"));
    // The file as it is under the lock, so that the lines another program wrote a moment ago
    // are kept, and a year it wrote counts as in the file. Read as the programs read it: only
    // a regular file, whole; anything else is left alone.
    int status = 1;
    std::size_t replaced = 0;
    const auto update = [&](const UserFile& old, std::string& reason) -> std::optional<UserFileContent> {
        if (!old.messages.empty()) {
            reason = old.messages.front() + _("; nothing was written");
            return std::nullopt;
        }
        UserFileContent merged{{}, old.byteOrderMark};
        if (WithYear(old.text, path, notice, request.replace, merged.text, replaced, reason)) return merged;
        status = 2;
        return std::nullopt;
    };
    why = UpdateUserFile(path, update);
    if (!why.empty()) return fail(status, why);
    if (files.written) *files.written = true;
    const std::string year = std::to_string(notice.year);
    const std::string rests = std::to_string(rest), works = std::to_string(notice.lines.size() - rest);
    out = replaced ? Format(_("{1}: {2} days off, {3} working days, written to {4} in place of its {5} earlier lines"),
                            {year, rests, works, path, std::to_string(replaced)})
                   : Format(_("{1}: {2} days off, {3} working days, written to {4}"), {year, rests, works, path});
    out += "\n";
    return 0;
}

}  // namespace dovrin::cli
