// A desktop notification by libnotify, loaded on demand.
#include "my_days_notify.h"

#include <dlfcn.h>
#include <libnotify/notify.h>

#include "resources/messages.h"

namespace dovrin::cli {
namespace {

constexpr const char* LibnotifyName = "libnotify.so.4";

// The few functions used, looked up in the library (GLib's through its dependencies).
struct Libnotify {
    decltype(&notify_init) init = nullptr;
    decltype(&notify_uninit) uninit = nullptr;
    decltype(&notify_notification_new) create = nullptr;
    decltype(&notify_notification_show) show = nullptr;
    decltype(&g_object_unref) unref = nullptr;
    decltype(&g_error_free) freeError = nullptr;
};

template <typename Function>
bool Find(void* module, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(module, name));
    return function != nullptr;
}

// The library, or why it cannot be used. It stays loaded: GLib does not expect to go.
std::string Load(Libnotify& l)
{
    void* module = dlopen(LibnotifyName, RTLD_NOW | RTLD_LOCAL);
    if (!module) return Format(_("cannot load {1} for the notification: {2}"), {LibnotifyName, dlerror()});
    if (Find(module, "notify_init", l.init) && Find(module, "notify_uninit", l.uninit) &&
        Find(module, "notify_notification_new", l.create) && Find(module, "notify_notification_show", l.show) &&
        Find(module, "g_object_unref", l.unref) && Find(module, "g_error_free", l.freeError))
        return {};
    return Format(_("cannot load {1} for the notification: {2}"), {LibnotifyName, dlerror()});
}

}  // namespace

std::string Notify(const std::string& summary, const std::string& body)
{
    Libnotify l;
    if (std::string why = Load(l); !why.empty()) return why;
    if (!l.init("dovrin-cal")) return _("no notification service: libnotify cannot start");
    NotifyNotification* notification = l.create(summary.c_str(), body.c_str(), "x-office-calendar");
    GError* error = nullptr;
    const bool shown = l.show(notification, &error);
    std::string why;
    if (!shown)
        why = Format(_("no notification service answers on the session bus (org.freedesktop.Notifications): {1}"),
                     {error ? error->message : "?"});
    if (error) l.freeError(error);
    l.unref(notification);
    l.uninit();
    return why;
}

}  // namespace dovrin::cli
