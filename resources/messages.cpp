// The programs' own words, translated through GNU gettext.
#include "resources/messages.h"

#include <iconv.h>
#include <langinfo.h>
#include <libintl.h>

#include <algorithm>
#include <cerrno>
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
    // The C library's own messages (strerror) join ours as UTF-8 too, whatever the locale.
    bind_textdomain_codeset("libc", "UTF-8");
}

std::string TerminalCharset()
{
    const std::string charset = nl_langinfo(CODESET);
    if (charset == "UTF-8" || charset == "ANSI_X3.4-1968") return {};
    return charset;
}

namespace {

// Bytes of the UTF-8 character that `lead` begins, 1 for a byte that begins none.
std::size_t CharacterLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead < 0xF8) return 4;
    if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0) return 2;
    return 1;
}

}  // namespace

std::string InCharset(std::string_view utf8, const std::string& charset)
{
    if (charset.empty()) return std::string(utf8);
    const iconv_t converter = iconv_open(charset.c_str(), "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::string(utf8);
    std::string out;
    char buffer[4096];
    char* in = const_cast<char*>(utf8.data());  // iconv's interface; it only reads
    std::size_t inLeft = utf8.size();
    for (bool flushed = false; !flushed;) {
        char* at = buffer;
        std::size_t room = sizeof buffer;
        const bool end = inLeft == 0;
        const std::size_t done = end ? iconv(converter, nullptr, nullptr, &at, &room)  // the shift state's end
                                     : iconv(converter, &in, &inLeft, &at, &room);
        out.append(buffer, static_cast<std::size_t>(at - buffer));
        flushed = end && done != static_cast<std::size_t>(-1);
        if (done != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
        if (end) break;
        // A character without a form there, or not UTF-8: a question mark in its place.
        const std::size_t skip = std::min(CharacterLength(static_cast<unsigned char>(*in)), inLeft);
        out += '?';
        in += skip;
        inLeft -= skip;
    }
    iconv_close(converter);
    return out;
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
