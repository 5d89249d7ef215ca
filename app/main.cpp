// The desktop perpetual calendar: the application and its main window.
#include <QApplication>

#include <cstdlib>

#include "main_window/qt/frmMainWidget.h"

int main(int argc, char* argv[])
{
    // The information window must stand beside the main window, and a Wayland session does
    // not let a program place its windows: run through XWayland unless a platform was chosen.
    if (std::getenv("WAYLAND_DISPLAY") != nullptr && std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "xcb", 1);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dovrin"));
    QApplication::setDesktopFileName(QStringLiteral("dovrin"));

    frmMainWidget window;
    window.Form_Load();
    return QApplication::exec();
}
