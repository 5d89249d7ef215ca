// dovrin-cal: the calendar in a terminal.
#include <libintl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "messages.h"
#include "run.h"
#include "resources/rest_days.h"

namespace {

// Messages in the user's language. The catalogue lies at the same place relative to the
// program in the build tree, in an install under any prefix and in the package, so it is
// looked up beside the executable first and at the configured install path after that.
void SetUpMessages()
{
    std::setlocale(LC_ALL, "");
    if (!std::setlocale(LC_MESSAGES, "")) {
        // The user's locale is not installed (common in containers). gettext still follows a
        // language named in LANGUAGE under C.UTF-8, so the messages keep the user's language.
        const char* names[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
        for (const char* variable : names) {
            const char* value = std::getenv(variable);
            if (!value || !*value) continue;
            if (std::setlocale(LC_MESSAGES, "C.UTF-8")) {
                // The C library's own messages (strerror) are converted to LC_CTYPE's
                // character set: under plain C every Chinese character would be "?".
                std::setlocale(LC_CTYPE, "C.UTF-8");
                const char* language = std::getenv("LANGUAGE");
                if (!language || !*language) setenv("LANGUAGE", value, 1);
            }
            break;
        }
    }
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    std::filesystem::path catalogue = DOVRIN_LOCALEDIR_ABSOLUTE;
    if (!error) {
        const std::filesystem::path beside = program.parent_path() / DOVRIN_LOCALEDIR_FROM_BINDIR;
        if (std::filesystem::is_directory(beside, error)) catalogue = beside.lexically_normal();
    }
    bindtextdomain(dovrin::cli::TextDomain, catalogue.c_str());
    bind_textdomain_codeset(dovrin::cli::TextDomain, "UTF-8");
}

// COLUMNS when set, else the terminal's own width, else 80.
std::size_t Columns(bool stdoutIsTerminal)
{
    if (const char* columns = std::getenv("COLUMNS"); columns && *columns) {
        char* end = nullptr;
        const long value = std::strtol(columns, &end, 10);
        if (*end == '\0' && value > 0 && value < 100000) return static_cast<std::size_t>(value);
    }
    winsize size{};
    if (stdoutIsTerminal && ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
    return 80;
}

}  // namespace

int main(int argc, char** argv)
{
    SetUpMessages();
    const std::vector<std::string> args(argv + 1, argv + argc);
    const char* noColor = std::getenv("NO_COLOR");
    const bool terminal = isatty(STDOUT_FILENO) == 1;
    const dovrin::cli::Terminal info{terminal, noColor && *noColor, Columns(terminal)};
    // The official days off with the user's own lines over them; a bad line is reported once.
    std::vector<std::string> skipped;
    const std::string userPath = dovrin::UserRestDaysPath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    const dovrin::RestDays restDays = dovrin::LoadRestDays(userPath, skipped);
    for (const std::string& line : skipped) std::fprintf(stderr, "dovrin-cal: %s\n", line.c_str());
    std::string out, err;
    const int status =
        dovrin::cli::RunCli(args, info, dovrin::TheSystemClock(), restDays, {userPath, &std::cin}, out, err);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fwrite(err.data(), 1, err.size(), stderr);
    return std::fflush(stdout) == 0 ? status : 1;
}
