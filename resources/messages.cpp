// The programs' own words, translated through GNU gettext.
#include "resources/messages.h"

#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace dovrin {

void SetUpMessages(const char* fromBinDir, const char* installed)
{
    std::setlocale(LC_ALL, "");
    if (!std::setlocale(LC_MESSAGES, "")) {
        // The user's locale is not installed (common in containers). gettext still follows a
        // language named in LANGUAGE under C.UTF-8, so the messages keep the user's language;
        // LC_CTYPE too, or the C library's own messages (strerror) come out as "???".
        const char* names[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
        for (const char* variable : names) {
            const char* value = std::getenv(variable);
            if (!value || !*value) continue;
            if (std::setlocale(LC_MESSAGES, "C.UTF-8") && std::setlocale(LC_CTYPE, "C.UTF-8")) {
                const char* language = std::getenv("LANGUAGE");
                if (!language || !*language) setenv("LANGUAGE", value, 1);
            }
            break;
        }
    }
    // The catalogue lies at the same place relative to the program in the build tree, in an
    // install under any prefix and in the package, so it is looked up beside the executable
    // first and at the configured install path after that.
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    std::filesystem::path catalogue = installed;
    if (!error) {
        const std::filesystem::path beside = program.parent_path() / fromBinDir;
        if (std::filesystem::is_directory(beside, error)) catalogue = beside.lexically_normal();
    }
    bindtextdomain(TextDomain, catalogue.c_str());
    bind_textdomain_codeset(TextDomain, "UTF-8");
}

const char* Tr(const char* message)
{
    return dgettext(TextDomain, message);
}

std::string Format(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    std::string out;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        if (pattern[at] == '{' && at + 2 < pattern.size() && pattern[at + 2] == '}' && pattern[at + 1] >= '1' &&
            pattern[at + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[at + 1] - '1');
            if (index < args.size()) {
                out += *(args.begin() + index);
                at += 2;
                continue;
            }
        }
        out += pattern[at];
    }
    return out;
}

}  // namespace dovrin
