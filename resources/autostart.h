// The login reminder: an XDG autostart entry that runs `dovrin-cal --remind` when the user
// logs in, written and removed at the user's word, and the mark that the program has asked
// about it once.
#pragma once

#include <string>
#include <string_view>

namespace dovrin {

// $XDG_CONFIG_HOME/autostart/io.github.dovrin.Remind.desktop, or under ~/.config when that
// is unset or relative; "" when neither has a place.
std::string AutostartEntryPath(const char* xdgConfigHome, const char* home);

// $XDG_CONFIG_HOME/dovrin/login-reminder-asked: present once the user has been asked
// whether to be reminded at login, so that the question comes once.
std::string ReminderAskedPath(const char* xdgConfigHome, const char* home);

// One argument of an Exec line: as it is when it needs no quoting, else in double quotes
// with its ", `, $ and \ escaped, and every % doubled.
std::string DesktopExecArgument(std::string_view argument);

// The entry's text, running `program` (a path, or a name looked up on PATH) with
// --remind. A program that holds a control character or is not UTF-8 cannot be written
// in an entry: then the entry runs dovrin-cal from PATH.
std::string RemindEntryText(const std::string& program);

// The entry is a regular file at its place.
bool LoginReminderOn(const std::string& entryPath);

// Writes the entry (its folder created when missing), or takes it away; "" or why not.
std::string TurnLoginReminderOn(const std::string& entryPath, const std::string& program);
std::string TurnLoginReminderOff(const std::string& entryPath);

// Leaves the mark that the user has been asked; "" or why it could not be left.
std::string MarkReminderAsked(const std::string& askedPath);

}  // namespace dovrin
