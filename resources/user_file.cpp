// A user's file, read without trusting what lies at its path.
#include "resources/user_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "calendar/utf8.h"
#include "resources/messages.h"

namespace dovrin {
namespace {

// "FILE: what (reason)".
std::string Message(const std::string& path, const char* what, const std::string& reason)
{
    return Format(_("{1}: {2} ({3})"), {Printable(path), what, reason});
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
                                       {Printable(path), std::to_string(lines), std::to_string(limit)}));
    }
    if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
    file.read = true;
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

}  // namespace dovrin
