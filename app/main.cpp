// The desktop perpetual calendar: the application and its main window.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "main_window/qt/frmMainWidget.h"
#include "resources/messages.h"
#include "resources/rest_days.h"

namespace {

// Answered before QApplication exists, so that they work without a display.
bool AnswerInfoOption(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("dovrin " DOVRIN_VERSION "\n", stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs("Usage: dovrin [--help | --version]\n"
                       "Dovrin万年历, the desktop perpetual calendar: a Gregorian month with the\n"
                       "Chinese lunar calendar, holidays and solar terms, and an information window\n"
                       "about the selected day. It takes no other options.\n"
                       "\n"
                       "  --help     show this help and exit\n"
                       "  --version  show the version and exit\n"
                       "\n"
                       "The calendar in a terminal: dovrin-cal(1). More: man dovrin\n",
                       stdout);
            return true;
        }
    }
    return false;
}

// Qt's own dialogs and buttons (the print dialog, OK and Cancel) in Chinese, as the rest of
// the program speaks: the user's own variant of Chinese when that is theirs, else
// Simplified Chinese.
void LoadQtTranslations(QApplication& app, QTranslator& translator)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QLocale user = QLocale::system();
    if (user.language() == QLocale::Chinese && translator.load(user, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
        app.installTranslator(&translator);
        return;
    }
    if (translator.load(QStringLiteral("qtbase_zh_CN"), folder)) app.installTranslator(&translator);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (AnswerInfoOption(argc, argv)) return std::fflush(stdout) == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
    // The messages about the user's file of days off come from dovrin-cal's catalogue.
    dovrin::SetUpMessages(DOVRIN_LOCALEDIR_FROM_BINDIR, DOVRIN_LOCALEDIR_ABSOLUTE);

    // The information window must stand beside the main window, and a Wayland session does
    // not let a program place its windows: run through XWayland unless a platform was chosen.
    if (std::getenv("WAYLAND_DISPLAY") != nullptr && std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "xcb", 1);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dovrin"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.dovrin.Dovrin"));
    QTranslator qtTranslator;
    LoadQtTranslations(app, qtTranslator);

    frmMainWidget window;
    window.RestDaysFile = dovrin::UserRestDaysPath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    window.Form_Load();
    return QApplication::exec();
}
