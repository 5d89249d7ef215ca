// The login reminder's autostart entry and the mark that the user was asked about it.
#include "resources/autostart.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "calendar/utf8.h"
#include "resources/messages.h"
#include "resources/user_file.h"

namespace dovrin {
namespace {

std::string ConfigHome(const char* xdgConfigHome, const char* home)
{
    if (xdgConfigHome && *xdgConfigHome == '/') return xdgConfigHome;
    if (home && *home) return std::string(home) + "/.config";
    return {};
}

// The characters that the desktop entry format reserves in an Exec argument.
constexpr std::string_view Reserved = " \t\n\"'\\><~|&;$*?#()`";

}  // namespace

std::string AutostartEntryPath(const char* xdgConfigHome, const char* home)
{
    const std::string folder = ConfigHome(xdgConfigHome, home);
    return folder.empty() ? folder : folder + "/autostart/io.github.dovrin.Remind.desktop";
}

std::string ReminderAskedPath(const char* xdgConfigHome, const char* home)
{
    const std::string folder = ConfigHome(xdgConfigHome, home);
    return folder.empty() ? folder : folder + "/dovrin/login-reminder-asked";
}

std::string DesktopExecArgument(std::string_view argument)
{
    const bool quoted = argument.empty() || argument.find_first_of(Reserved) != std::string_view::npos;
    std::string out = quoted ? "\"" : "";
    for (const char c : argument) {
        if (c == '%') {
            out += "%%";
            continue;
        }
        // A backslash escapes inside the quotes, and the entry's string escapes it again.
        if (c == '\\') {
            out += "\\\\\\\\";
            continue;
        }
        if (quoted && (c == '"' || c == '`' || c == '$')) out += "\\\\";
        out += c;
    }
    return quoted ? out + "\"" : out;
}

std::string RemindEntryText(const std::string& program)
{
    const bool writable = !program.empty() && IsValidUtf8(program, false);
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Dovrin万年历提醒\n"
           "Comment=登录时提醒今天该提醒的我的日子\n"
           "Exec=" + DesktopExecArgument(writable ? program : "dovrin-cal") + " --remind\n"
           "Icon=io.github.dovrin.Dovrin\n"
           "Terminal=false\n"
           "NoDisplay=true\n";
}

bool LoginReminderOn(const std::string& entryPath)
{
    struct stat info {};
    return !entryPath.empty() && stat(entryPath.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string TurnLoginReminderOn(const std::string& entryPath, const std::string& program)
{
    return WriteUserFile(entryPath, RemindEntryText(program), false);
}

std::string TurnLoginReminderOff(const std::string& entryPath)
{
    if (std::remove(entryPath.c_str()) == 0 || errno == ENOENT) return {};
    return Format(_("cannot remove {1}: {2}"), {entryPath, std::strerror(errno)});
}

std::string MarkReminderAsked(const std::string& askedPath)
{
    return WriteUserFile(askedPath, "# The login reminder has been offered; delete this file to be asked again.\n",
                         false);
}

}  // namespace dovrin
