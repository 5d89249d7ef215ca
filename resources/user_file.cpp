// A user's file, read without trusting what lies at its path, and written in one piece.
#include "resources/user_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <filesystem>
#include <thread>

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
    // The buffer starts at the size the file has now and grows only if it grows meanwhile:
    // a small file does not cost a buffer of the whole limit.
    std::string& text = file.text;
    const std::size_t bound = limit + 1;
    const auto size = static_cast<std::size_t>(std::max<off_t>(status.st_size, 0));
    text.resize(std::min(bound, size + 1));
    std::size_t got = 0;
    while (true) {
        if (got == text.size()) {
            if (text.size() == bound) break;
            text.resize(std::min(bound, text.size() * 2));
        }
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

namespace fs = std::filesystem;

// How long a write waits for another program of ours to finish with the same file.
constexpr auto LongestLockWait = std::chrono::seconds(10);
// A temporary file of ours this old belongs to a run that was killed or lost its disk.
constexpr auto StaleTemporaryAge = std::chrono::minutes(1);
constexpr std::size_t TemporarySuffix = 6;  // the XXXXXX of mkstemp

std::string CannotWrite(const std::string& path, int error)
{
    return Format(_("cannot write {1}: {2}"), {Shown(path), std::strerror(error)});
}

// The file a chain of links at `path` ends in, whether it exists or not; false with errno
// ELOOP when the chain does not end.
bool FollowLinks(fs::path& path)
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

fs::path FolderOf(const fs::path& target)
{
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
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

// The mode and owner the new file takes over: the old file's, or for a new one the mode the
// umask leaves and, when root writes into another user's folder, that user.
struct Kept {
    mode_t mode = 0;
    bool chown = false;
    uid_t user = 0;
    gid_t group = 0;
};

Kept KeptFor(const fs::path& target)
{
    Kept kept;
    struct stat old {};
    if (stat(target.c_str(), &old) == 0) return {static_cast<mode_t>(old.st_mode & 07777), true, old.st_uid, old.st_gid};
    const mode_t mask = umask(0);
    umask(mask);
    kept.mode = 0666 & ~mask;
    struct stat folder {};
    if (geteuid() == 0 && stat(FolderOf(target).c_str(), &folder) == 0 && folder.st_uid != 0)
        kept = {kept.mode, true, folder.st_uid, folder.st_gid};
    return kept;
}

// The owner and mode of `kept` given to the open file: false with `why` when the owner
// cannot be kept, as a file of another user's would become the writer's.
bool Keep(int fd, const Kept& kept, const fs::path& target, std::string& why)
{
    struct stat now {};
    if (kept.chown && fstat(fd, &now) == 0 && (now.st_uid != kept.user || now.st_gid != kept.group) &&
        fchown(fd, kept.user, kept.group) != 0) {
        why = Format(_("cannot write {1}: its owner (user {2}, group {3}) cannot be kept: {4}"),
                     {Shown(target.string()), std::to_string(kept.user), std::to_string(kept.group),
                      std::strerror(errno)});
        return false;
    }
    if (fchmod(fd, kept.mode) != 0) {
        why = CannotWrite(target.string(), errno);
        return false;
    }
    return true;
}

// `text` into a new temporary file beside `target`: its name, or "" with `why`.
std::string WriteTemporary(const fs::path& target, std::string_view text, bool byteOrderMark, std::string& why)
{
    std::string temporary = (FolderOf(target) / ".").string() + target.filename().string() + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        why = CannotWrite(target.string(), errno);
        return {};
    }
    bool good = Keep(fd, KeptFor(target), target, why);
    if (good && !((!byteOrderMark || WriteWhole(fd, ByteOrderMark)) && WriteWhole(fd, text) && fsync(fd) == 0)) {
        why = CannotWrite(target.string(), errno);
        good = false;
    }
    if (close(fd) != 0 && good) {
        why = CannotWrite(target.string(), errno);
        good = false;
    }
    if (good) return temporary;
    unlink(temporary.c_str());
    return {};
}

// Whether `name` is one that WriteTemporary gives for `file`: ".FILE.XXXXXX".
bool IsTemporaryOf(std::string_view name, std::string_view file)
{
    if (name.size() != file.size() + 2 + TemporarySuffix || name[0] != '.' || name.substr(1, file.size()) != file ||
        name[file.size() + 1] != '.')
        return false;
    return std::all_of(name.end() - TemporarySuffix, name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// Temporary files of ours for `target` left by runs that were killed or met a full disk:
// all of them while the file's lock is held (no writer of ours is then at work), else those
// of a minute ago and older. Only the writer's own are touched.
void RemoveStaleTemporaries(const fs::path& target, bool locked)
{
    std::error_code error;
    const std::string file = target.filename().string();
    const auto now = fs::file_time_type::clock::now();
    for (const fs::directory_entry& entry : fs::directory_iterator(FolderOf(target), error)) {
        struct stat status {};
        const fs::path& found = entry.path();
        if (!IsTemporaryOf(found.filename().string(), file) || lstat(found.c_str(), &status) != 0 ||
            !S_ISREG(status.st_mode) || (status.st_uid != geteuid() && geteuid() != 0))
            continue;
        if (locked || now - fs::last_write_time(found, error) > StaleTemporaryAge) unlink(found.c_str());
    }
}

// The temporary file renamed over `target`, and the rename flushed with its folder.
std::string Replace(const fs::path& target, std::string_view text, bool byteOrderMark)
{
    std::string why;
    const std::string temporary = WriteTemporary(target, text, byteOrderMark, why);
    if (temporary.empty()) return why;
    if (rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        return CannotWrite(target.string(), error);
    }
    if (const int folder = open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); folder >= 0) {
        fsync(folder);
        close(folder);
    }
    return {};
}

// The folder of `path` made when missing, unless `path` is a link (its target's folder is
// the link's owner's business): "" or why it cannot be made.
std::string MakeFolder(const std::string& path, const fs::path& target)
{
    if (target != fs::path(path) || !target.has_parent_path()) return {};
    std::error_code error;
    fs::create_directories(target.parent_path(), error);
    if (!error) return {};
    return Format(_("cannot create {1}: {2}"), {Shown(target.parent_path().string()), error.message()});
}

// The advisory lock of `target`'s writers, held while the object lives: on ".NAME.lock"
// beside it, which stays (removing it would let two writers lock two files).
class WriteLock {
public:
    // "" when locked, or when no lock file can be made where no file can be written either
    // (the write then says why); else the reason.
    std::string Take(const fs::path& target)
    {
        std::string name = target.filename().string();
        name.insert(name.begin(), '.');
        const fs::path lockPath = FolderOf(target) / name.append(".lock");
        const int flags = O_CLOEXEC | O_NOFOLLOW | O_NOCTTY;
        fd = open(lockPath.c_str(), O_RDWR | O_CREAT | flags, 0644);
        if (fd < 0 && errno == EACCES) fd = open(lockPath.c_str(), O_RDONLY | flags);  // another user's
        if (fd < 0) {
            if (errno == EACCES || errno == EROFS) return {};
            return Format(_("cannot lock {1}: {2}"), {Shown(lockPath.string()), std::strerror(errno)});
        }
        if (const Kept kept = KeptFor(target); kept.chown && geteuid() == 0) (void)!fchown(fd, kept.user, kept.group);
        const auto giveUp = std::chrono::steady_clock::now() + LongestLockWait;
        while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno == EINTR) continue;
            if (errno != EWOULDBLOCK)
                return Format(_("cannot lock {1}: {2}"), {Shown(lockPath.string()), std::strerror(errno)});
            if (std::chrono::steady_clock::now() > giveUp)
                return Format(_("{1} is still being written by another program"), {Shown(target.string())});
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return {};
    }
    ~WriteLock()
    {
        if (fd >= 0) close(fd);
    }

private:
    int fd = -1;
};

}  // namespace

std::string WriteUserFile(const std::string& path, std::string_view text, bool byteOrderMark, bool createFolder)
{
    fs::path target = path;
    if (!FollowLinks(target)) return CannotWrite(path, errno);
    if (createFolder)
        if (std::string why = MakeFolder(path, target); !why.empty()) return why;
    RemoveStaleTemporaries(target, false);
    return Replace(target, text, byteOrderMark);
}

std::string UpdateUserFile(const std::string& path, const UserFileUpdate& update, std::size_t limit)
{
    const std::string nothingWritten = _("; nothing was written");
    fs::path target = path;
    if (!FollowLinks(target)) return Message(path, _("cannot open the file"), std::strerror(errno)) + nothingWritten;
    if (std::string why = MakeFolder(path, target); !why.empty()) return why + nothingWritten;
    WriteLock lock;
    if (std::string why = lock.Take(target); !why.empty()) return why + nothingWritten;

    const UserFile current = ReadUserFile(path);
    std::string why;
    const std::optional<UserFileContent> content = update(current, why);
    if (!content) return why;
    const std::size_t size = content->text.size() + (content->byteOrderMark ? ByteOrderMark.size() : 0);
    if (size > limit)
        return Format(_("{1} would grow to {2} bytes, past the {3} bytes that are read"),
                      {Shown(path), std::to_string(size), std::to_string(limit)}) + nothingWritten;
    RemoveStaleTemporaries(target, true);
    why = Replace(target, content->text, content->byteOrderMark);
    if (why.empty()) return {};
    return why + (current.read ? _("; the file is left as it was") : nothingWritten);
}

}  // namespace dovrin
