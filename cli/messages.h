// dovrin-cal's own words (help and errors), translated through GNU gettext. The calendar's
// Chinese names are data, not messages, and stay as they are.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace dovrin::cli {

inline constexpr const char* TextDomain = "dovrin-cal";

// The message in the user's language (the text itself when there is no translation).
const char* Tr(const char* message);

// The pattern with {1}, {2}, ... replaced by the arguments; other text stays as it is.
std::string Format(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace dovrin::cli

// Marks a message for xgettext and translates it.
#define _(message) ::dovrin::cli::Tr(message)
