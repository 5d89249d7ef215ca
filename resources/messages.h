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

// The message in the user's language (the text itself when there is no translation).
const char* Tr(const char* message);

// The pattern with {1}, {2}, ... replaced by the arguments; other text stays as it is.
std::string Format(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace dovrin

// Marks a message for xgettext and translates it. Only .cpp files include this header.
#define _(message) ::dovrin::Tr(message)
