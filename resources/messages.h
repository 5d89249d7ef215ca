// The programs' own words (help, errors, the messages about a user's file), translated
// through GNU gettext in one text domain that both programs bind. The calendar's Chinese
// names are data, not messages, and stay as they are.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace dovrin {

inline constexpr const char* TextDomain = "dovrin-cal";

// Takes the user's locale and binds the text domain to the catalogue beside the program
// (`fromBinDir`, relative to the executable's folder) or else at `installed`. Called once
// by each program's main before anything is translated.
void SetUpMessages(const char* fromBinDir, const char* installed);

// The character set of the user's locale when text for the terminal is to be converted to
// it (GB18030, GBK, GB2312, …); "" for UTF-8 and for plain ASCII, which take the UTF-8 as it
// is, as the C locale of many a container sits on a UTF-8 terminal.
std::string TerminalCharset();

// UTF-8 text in `charset` through iconv, a character that has no form there written as '?';
// the text itself when `charset` is "" or unknown to iconv.
std::string InCharset(std::string_view utf8, const std::string& charset);

// The message in the user's language (the text itself when there is no translation).
const char* Tr(const char* message);

// The pattern with {1}, {2}, ... replaced by the arguments; other text stays as it is.
std::string Format(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace dovrin

// Marks a message for xgettext and translates it. Only .cpp files include this header.
#define _(message) ::dovrin::Tr(message)
