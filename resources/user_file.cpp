// A user's file, read without trusting what lies at its path, and written in one piece.
#include "resources/user_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>

#include "calendar/utf8.h"
#include "resources/messages.h"

namespace dovrin {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// A path as messages quote it: an empty one visibly.
std::string Shown(const std::string& path)
{
    return path.empty() ? "''" : Printable(path);
}

// "FILE: what (reason)".
std::string Message(const std::string& path, const char* what, const std::string& reason)
{
    return Format(_("{1}: {2} ({3})"), {Shown(path), what, reason});
}

const char* KindOf(mode_t mode)
{
    if (S_ISDIR(mode)) return _("a directory");
    if (S_ISFIFO(mode)) return _("a named pipe");
    if (S_ISSOCK(mode)) return _("a socket");
    if (S_ISCHR(mode) || S_ISBLK(mode)) return _("a device");
    return _("not a regular file");
}

struct Descriptor {
    int fd;
    ~Descriptor()
    {
        if (fd >= 0) close(fd);
    }
};

}  // namespace

UserFile ReadUserFile(const std::string& path, std::size_t limit)
{
    UserFile file;
    if (path.empty()) return file;
    // O_NONBLOCK: a FIFO with no writer would block open() for ever.
    const Descriptor in{open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (in.fd < 0) {
        file.error = errno;
        if (errno != ENOENT) file.messages.push_back(Message(path, _("cannot open the file"), std::strerror(errno)));
        return file;
    }
    struct stat status {};
    if (fstat(in.fd, &status) != 0) {
        file.messages.push_back(Message(path, _("cannot read the file"), std::strerror(errno)));
        return file;
    }
    if (!S_ISREG(status.st_mode)) {
        file.messages.push_back(Message(path, _("skipped, as it is not a regular file"), KindOf(status.st_mode)));
        return file;
    }

    // One byte past the limit tells whether the file goes on, and whether the line at the
    // limit ends right there.
    std::string& text = file.text;
    text.resize(limit + 1);
    std::size_t got = 0;
    while (got < text.size()) {
        const ssize_t count = read(in.fd, text.data() + got, text.size() - got);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) {
            file.error = errno;
            file.messages.push_back(Message(path, _("cannot read the file"), std::strerror(errno)));
            text.clear();
            return file;
        }
        if (count == 0) break;
        got += static_cast<std::size_t>(count);
    }
    text.resize(got);
    if (got > limit) {
        const std::size_t lastEnd = text.rfind('\n', limit);
        text.resize(lastEnd == std::string::npos ? 0 : lastEnd + 1);
        const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
        file.messages.push_back(Format(_("{1}: only the first {2} lines were read, up to the limit of {3} bytes; the rest was ignored"),
                                       {Shown(path), std::to_string(lines), std::to_string(limit)}));
    }
    file.byteOrderMark = text.starts_with(ByteOrderMark);
    if (file.byteOrderMark) text.erase(0, ByteOrderMark.size());
    file.read = true;
    return file;
}

UserFile ReadNamedFile(const std::string& path, std::size_t limit)
{
    UserFile file = ReadUserFile(path, limit);
    if (!file.read && file.messages.empty())
        file.messages.push_back(Message(path, _("cannot open the file"), std::strerror(ENOENT)));
    if (file.read && !file.messages.empty()) {
        file.messages = {Format(_("{1}: the file is larger than {2} bytes"), {Shown(path), std::to_string(limit)})};
        file.text.clear();
        file.read = false;
    }
    return file;
}

void AddLineMessages(std::vector<std::string>& to, const std::vector<std::string>& lineMessages,
                     const std::string& path)
{
    const std::size_t shown = std::min(lineMessages.size(), MostMessagesPerFile);
    to.insert(to.end(), lineMessages.begin(), lineMessages.begin() + static_cast<std::ptrdiff_t>(shown));
    if (lineMessages.size() > shown)
        to.push_back(Format(_("{1}: … {2} more lines skipped"),
                            {Printable(path), std::to_string(lineMessages.size() - shown)}));
}

namespace {

std::string CannotWrite(const std::string& path, int error)
{
    return Format(_("cannot write {1}: {2}"), {Shown(path), std::strerror(error)});
}

// The file a chain of links at `path` ends in, whether it exists or not; false with errno
// ELOOP when the chain does not end.
bool FollowLinks(std::filesystem::path& path)
{
    for (int hop = 0; hop < 40; ++hop) {  // the kernel's own limit
        struct stat status {};
        if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return true;
        std::string target(PATH_MAX, '\0');
        const ssize_t length = readlink(path.c_str(), target.data(), target.size());
        if (length < 0) return true;  // the open or rename that follows gives the reason
        target.resize(static_cast<std::size_t>(length));
        path = path.parent_path() / target;  // an absolute target replaces the folder
    }
    errno = ELOOP;
    return false;
}

bool WriteWhole(int fd, std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const ssize_t written = write(fd, text.data() + at, text.size() - at);
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return false;
        if (written == 0) {
            errno = EIO;
            return false;
        }
        at += static_cast<std::size_t>(written);
    }
    return true;
}

// The mode of the file being replaced, or what a new file gets under the umask.
mode_t ModeFor(const std::filesystem::path& target)
{
    struct stat old {};
    if (stat(target.c_str(), &old) == 0) return old.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// `text` into a new temporary file beside `target`: its name, or "" with errno set.
std::string WriteTemporary(const std::filesystem::path& target, std::string_view text, bool byteOrderMark)
{
    std::string temporary = (target.parent_path() / ".").string() + target.filename().string() + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return {};
    bool good = fchmod(fd, ModeFor(target)) == 0 && (!byteOrderMark || WriteWhole(fd, ByteOrderMark)) &&
                WriteWhole(fd, text) && fsync(fd) == 0;
    int error = good ? 0 : errno;
    if (close(fd) != 0 && good) {
        good = false;
        error = errno;
    }
    if (good) return temporary;
    unlink(temporary.c_str());
    errno = error;
    return {};
}

}  // namespace

std::string WriteUserFile(const std::string& path, std::string_view text, bool byteOrderMark)
{
    std::filesystem::path target = path;
    if (!FollowLinks(target)) return CannotWrite(path, errno);
    if (target == std::filesystem::path(path) && target.has_parent_path()) {
        std::error_code error;
        std::filesystem::create_directories(target.parent_path(), error);
        if (error)
            return Format(_("cannot create {1}: {2}"), {Shown(target.parent_path().string()), error.message()});
    }
    const std::string temporary = WriteTemporary(target, text, byteOrderMark);
    if (temporary.empty()) return CannotWrite(target.string(), errno);
    if (rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        return CannotWrite(target.string(), error);
    }
    // The rename itself reaches the disk with the folder.
    const std::filesystem::path folderPath = target.has_parent_path() ? target.parent_path() : ".";
    if (const int folder = open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); folder >= 0) {
        fsync(folder);
        close(folder);
    }
    return {};
}

}  // namespace dovrin
