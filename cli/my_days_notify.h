// One desktop notification through the session's notification service
// (org.freedesktop.Notifications), by libnotify, which is loaded only when a notification
// is sent, so that the other commands start without it.
#pragma once

#include <string>

namespace dovrin::cli {

// "" when the notification was sent, else why not, in the user's language.
std::string Notify(const std::string& summary, const std::string& body);

}  // namespace dovrin::cli
