// dovrin-cal's own words, translated through GNU gettext.
#include "messages.h"

#include <libintl.h>

namespace dovrin::cli {

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

}  // namespace dovrin::cli
