// dovrin-cal: the calendar in a terminal.
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string_view>

#include "calendar/date_serial.h"
#include "resources/messages.h"
#include "run.h"
#include "resources/rest_days.h"

namespace {

// COLUMNS when set, else the terminal's own width, else 80.
std::size_t Columns(bool stdoutIsTerminal)
{
    std::int32_t value = 0;
    if (const char* columns = std::getenv("COLUMNS"); columns && dovrin::ParseDigits(columns, value) && value > 0 &&
                                                      value < 100000)
        return static_cast<std::size_t>(value);
    winsize size{};
    if (stdoutIsTerminal && ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
    return 80;
}

// Writes the output and closes standard output: errno of the first failure, or 0. Every
// step is checked, as a full disk shows itself only at the write that meets it, often the
// final flush.
int WriteOut(std::string_view out)
{
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size()) return errno ? errno : EIO;
    if (std::fflush(stdout) != 0) return errno ? errno : EIO;
    if (std::fclose(stdout) != 0) return errno ? errno : EIO;
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    dovrin::SetUpMessages(DOVRIN_LOCALEDIR_FROM_BINDIR, DOVRIN_LOCALEDIR_ABSOLUTE);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const char* noColor = std::getenv("NO_COLOR");
    const char* term = std::getenv("TERM");
    const bool terminal = isatty(STDOUT_FILENO) == 1;
    const dovrin::cli::Terminal info{terminal, noColor && *noColor, Columns(terminal),
                                     term && std::strcmp(term, "dumb") == 0, dovrin::TerminalCharset()};
    // Messages in the terminal's character set, as the locale names it.
    const auto message = [&](const std::string& text) {
        std::fputs(dovrin::InCharset(text + "\n", info.charset).c_str(), stderr);
    };
    // The official days off with the user's own lines over them; a bad line is reported once.
    std::vector<std::string> skipped;
    const std::string userPath = dovrin::UserRestDaysPath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    const dovrin::RestDays restDays = dovrin::LoadRestDays(userPath, skipped);
    for (const std::string& line : skipped) message("dovrin-cal: " + line);
    std::string out, err;
    bool written = false;
    const int status =
        dovrin::cli::RunCli(args, info, dovrin::TheSystemClock(), restDays, {userPath, &std::cin, &written}, out, err);
    std::fwrite(err.data(), 1, err.size(), stderr);
    errno = 0;
    const int error = WriteOut(out);
    if (error == 0) return status;
    // A reader that has gone away (`| head`) is no error to report, as with other tools.
    if (error != EPIPE)
        message(dovrin::Format(_("dovrin-cal: write error: {1}"), {std::strerror(error)}));
    // The user's file is written by then: only its confirmation is lost, and a second run
    // would find the year in the file.
    if (written)
        message(dovrin::Format(_("dovrin-cal: {1} was written all the same"), {userPath}));
    return 1;
}
