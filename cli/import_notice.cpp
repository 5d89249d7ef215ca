// dovrin-cal --import-notice: a yearly notice into lines of days off, printed or written into
// the user's file.
#include "import_notice.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>

#include "resources/messages.h"
#include "notice.h"
#include "resources/rest_day_lines.h"
#include "resources/user_file.h"

namespace dovrin::cli {
namespace {

// The whole stream, or false when it cannot be read or holds more than LargestUserFile bytes.
bool ReadAll(std::istream& in, std::string& text)
{
    text.assign(LargestUserFile + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return !in.bad() && text.size() <= LargestUserFile;
}

// The same for a file just opened, false too when it could not be opened.
bool ReadAll(std::istream&& in, std::string& text)
{
    return in && ReadAll(in, text);
}

// A December date belongs to the next year's notice, whose 元旦 it is.
std::int32_t NoticeYearOf(CivilDate date)
{
    return date.year + (date.month == 12 ? 1 : 0);
}

// The user's file with the lines of `year` put in: appended, or with `replace` where the
// year's first line stood and its other lines dropped. Every other byte of `old` is kept.
// False with `why` when the year is there without `replace`, or a new date is in the file
// under another year.
bool WithYear(const std::string& old, const std::string& name, const Notice& notice, bool replace, std::string& merged,
              std::size_t& replaced, std::string& why)
{
    std::set<std::int64_t> newDays;
    std::string lines;
    for (const RestDayLine& line : notice.lines) {
        newDays.insert(DayNumber(line.date.year, line.date.month, line.date.day));
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
        } else if (parsed.lines.size() == 1) {
            const CivilDate date = parsed.lines[0].date;
            if (newDays.count(DayNumber(date.year, date.month, date.day))) {
                why = Format(_("{1}:{2}: {3} is in the file already"),
                             {name, std::to_string(number + 1), IsoDate(date)});
                return false;
            }
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

std::string ErrnoText()
{
    return std::strerror(errno);
}

bool WriteWhole(int fd, const std::string& text)
{
    for (std::size_t at = 0; at < text.size();) {
        const ssize_t written = ::write(fd, text.data() + at, text.size() - at);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        at += static_cast<std::size_t>(written);
    }
    return true;
}

// `text` as the file `target`: written to a temporary file beside it, flushed to the disk
// and renamed over it, so that an interrupted run leaves the old file whole. A link is
// followed, so the file it points to is replaced and the link stays; the old file's
// permissions are kept.
bool ReplaceFile(std::filesystem::path target, const std::string& text, std::string& why)
{
    std::error_code error;
    if (std::filesystem::is_symlink(target, error)) target = std::filesystem::weakly_canonical(target, error);
    const std::filesystem::path folder = target.parent_path();
    std::filesystem::create_directories(folder, error);
    if (error) {
        why = Format(_("cannot create {1}: {2}"), {folder.string(), error.message()});
        return false;
    }
    mode_t mode = 0;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        mode = ::umask(0);
        ::umask(mode);
        mode = 0666 & ~mode;
    }
    std::string temporary = folder / ".";
    temporary += target.filename().string();
    temporary += ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        why = Format(_("cannot write {1}: {2}"), {target.string(), ErrnoText()});
        return false;
    }
    bool good = ::fchmod(fd, mode) == 0 && WriteWhole(fd, text) && ::fsync(fd) == 0;
    std::string failure = good ? "" : ErrnoText();
    if (::close(fd) != 0 && good) {
        good = false;
        failure = ErrnoText();
    }
    if (good && ::rename(temporary.c_str(), target.c_str()) != 0) {
        good = false;
        failure = ErrnoText();
    }
    if (!good) {
        ::unlink(temporary.c_str());
        why = Format(_("cannot write {1}: {2}"), {target.string(), failure});
        return false;
    }
    // The rename itself reaches the disk with the folder.
    if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

}  // namespace

int ImportNotice(const ImportRequest& request, const ImportFiles& files, std::string& out, std::string& err)
{
    const bool fromInput = request.source == "-";
    const std::string source = fromInput ? _("standard input") : request.source;
    const auto fail = [&](int status, const std::string& why) {
        err += Format(_("dovrin-cal: {1}"), {why}) + "\n";
        return status;
    };

    std::string text;
    if (fromInput) {
        if (!files.standardInput || !ReadAll(*files.standardInput, text))
            return fail(2, Format(_("cannot read {1}, or it is larger than 1 MiB"), {source}));
    } else {
        std::ifstream in(request.source, std::ios::binary);
        if (!in || std::filesystem::is_directory(request.source) || !ReadAll(in, text))
            return fail(2, Format(_("cannot read {1}, or it is larger than 1 MiB"), {source}));
    }
    const Notice notice = ParseNotice(text, request.year);
    for (const std::string& why : notice.errors) fail(2, source + ": " + why);
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
    std::string old;
    std::error_code error;
    // Only a regular file is opened: a named pipe left at the path would block for ever.
    if (std::filesystem::exists(path, error) &&
        (!std::filesystem::is_regular_file(path, error) || !ReadAll(std::ifstream(path, std::ios::binary), old)))
        return fail(1, Format(_("cannot read {1}, or it is larger than 1 MiB; it is left as it was"), {path}));
    std::string merged, why;
    std::size_t replaced = 0;
    if (!WithYear(old, path, notice, request.replace, merged, replaced, why)) return fail(2, why);
    if (!ReplaceFile(path, merged, why)) return fail(1, why + _("; the file is left as it was"));
    const std::string year = std::to_string(notice.year);
    const std::string rests = std::to_string(rest), works = std::to_string(notice.lines.size() - rest);
    out = replaced ? Format(_("{1}: {2} days off, {3} working days, written to {4} in place of its {5} earlier lines"),
                            {year, rests, works, path, std::to_string(replaced)})
                   : Format(_("{1}: {2} days off, {3} working days, written to {4}"), {year, rests, works, path});
    out += "\n";
    return 0;
}

}  // namespace dovrin::cli
