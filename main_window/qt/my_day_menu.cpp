// The selected day's menu: the user's days added, changed and removed from the grid, and
// the login reminder switched on and off.
#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>

#include "main_window/my_day_form.h"
#include "main_window/qt/frmMainWidget.h"
#include "main_window/qt/my_day_dialog.h"
#include "resources/autostart.h"
#include "resources/my_days.h"

using namespace dovrin;

namespace {

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

// dovrin-cal beside the running program, as installed or built, else the one on PATH.
std::string ReminderProgram()
{
    const QFileInfo beside(QCoreApplication::applicationDirPath() + QStringLiteral("/dovrin-cal"));
    return beside.isFile() && beside.isExecutable() ? beside.absoluteFilePath().toStdString() : "dovrin-cal";
}

}  // namespace

bool frmMainWidget::OpenDayMenuFromKey(const QKeyEvent& key)
{
    const bool menuKey = key.key() == Qt::Key_Menu && key.modifiers() == Qt::NoModifier;
    const bool shiftF10 = key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier;
    if (!menuKey && !shiftF10) return false;
    const CellBox box = logic.BoxOfCell(CellOfDay({logic.CurYear, logic.CurMonth, logic.CurDay}));
    ShowDayMenu(picMain->mapToGlobal(QPoint(static_cast<int>(box.left + logic.CellWidth / 2),
                                            static_cast<int>(box.top + logic.CellHeight / 2))));
    return true;
}

void frmMainWidget::ShowDayMenu(const QPoint& where)
{
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setAccessibleName(QStringLiteral("我的日子"));
    // Each choice runs once the menu has closed, so that a dialog does not open inside it.
    const auto later = [this](auto&& action) {
        return [this, action] { QMetaObject::invokeMethod(this, action, Qt::QueuedConnection); };
    };
    QAction* first = menu->addAction(QStringLiteral("添加我的日子…"), this, later([this] { EditMyDay({}); }));
    const CivilDate selected{logic.CurYear, logic.CurMonth, logic.CurDay};
    for (const MyDayOnDate& entry : MyDaysBetween(logic.MyDays, selected, selected)) {
        const std::string title = logic.MyDays[entry.index].title;
        // An & of the title is shown, not taken for a shortcut.
        const QString shown = Q(title).replace(QLatin1Char('&'), QStringLiteral("&&"));
        menu->addAction(QStringLiteral("编辑“%1”…").arg(shown), this, later([this, title] { EditMyDay(title); }));
        menu->addAction(QStringLiteral("删除“%1”").arg(shown), this, later([this, title] { DeleteMyDay(title); }));
    }
    menu->addSeparator();
    QAction* login = menu->addAction(QStringLiteral("登录时提醒"));
    login->setCheckable(true);
    login->setChecked(LoginReminderOn(AutostartFile));
    login->setEnabled(!AutostartFile.empty());
    connect(login, &QAction::toggled, this, [this, later](bool on) {
        later([this, on] {
            // Chosen here, it is not offered again after the next day saved.
            if (!ReminderAskedFile.empty()) MarkReminderAsked(ReminderAskedFile);
            SwitchLoginReminder(on);
        })();
    });
    menu->popup(where);
    // Opened from the keyboard or not, the first entry is where the arrows start.
    menu->setActiveAction(first);
}

void frmMainWidget::EditMyDay(const std::string& title)
{
    const CivilDate selected{logic.CurYear, logic.CurMonth, logic.CurDay};
    MyDayForm form = NewMyDayForm(selected);
    for (const MyDay& day : logic.MyDays)
        if (day.title == title) form = MyDayFormOf(day);
    const std::string path = MyDaysPath(RestDaysFile);
    const auto save = [this, path, title](const MyDay& day) {
        const MyDaySave result = SaveMyDay(path, logic.MyDaysText, title, day);
        // A file changed on disk is read again, so that the window shows what it holds.
        if (result.error.empty() || result.stale) MyDaysChanged();
        return result;
    };
    auto* dialog = new MyDayDialog(this, title.empty() ? QStringLiteral("添加我的日子") : QStringLiteral("编辑我的日子"),
                                   form, selected, Q(BadLinesNote(ParseMyDays(logic.MyDaysText))), save);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        if (!RemindersOf(dialog->Saved()).empty())
            QMetaObject::invokeMethod(this, [this] { OfferLoginReminder(); }, Qt::QueuedConnection);
    });
    dialog->open();
}

void frmMainWidget::DeleteMyDay(const std::string& title)
{
    QMessageBox ask(QMessageBox::Question, QStringLiteral("删除我的日子"),
                    QStringLiteral("从我的日子里删除“%1”？").arg(Q(title)), QMessageBox::NoButton, this);
    QPushButton* remove = ask.addButton(QStringLiteral("删除(&D)"), QMessageBox::DestructiveRole);
    ask.setDefaultButton(ask.addButton(QStringLiteral("取消(&C)"), QMessageBox::RejectRole));
    ask.exec();
    if (ask.clickedButton() != remove) return;
    const MyDaySave result = RemoveMyDayFromFile(MyDaysPath(RestDaysFile), logic.MyDaysText, title);
    if (result.error.empty() || result.stale) MyDaysChanged();
    if (!result.error.empty()) QMessageBox::warning(this, QStringLiteral("没有删除"), Q(result.error));
}

void frmMainWidget::MyDaysChanged()
{
    logic.LoadMyDays(MyDaysPath(RestDaysFile));
    logic.ReDrawCalendar();
    picMain->update();
}

void frmMainWidget::OfferLoginReminder()
{
    if (AutostartFile.empty() || ReminderAskedFile.empty() || LoginReminderOn(AutostartFile) ||
        QFileInfo::exists(Q(ReminderAskedFile)))
        return;
    QMessageBox ask(QMessageBox::Question, QStringLiteral("登录时提醒"),
                    QStringLiteral("登录时提醒我的日子？\n\n开启后，每次登录时会查看有没有该提醒的日子，"
                                   "有就发一条桌面通知，然后结束，不在后台运行。以后可在日历的右键菜单里"
                                   "用“登录时提醒”开关。"),
                    QMessageBox::NoButton, this);
    QPushButton* yes = ask.addButton(QStringLiteral("开启提醒(&Y)"), QMessageBox::AcceptRole);
    ask.addButton(QStringLiteral("不用了(&N)"), QMessageBox::RejectRole);
    ask.setDefaultButton(yes);
    ask.exec();
    if (const std::string why = MarkReminderAsked(ReminderAskedFile); !why.empty())
        std::fprintf(stderr, "dovrin: %s\n", why.c_str());
    if (ask.clickedButton() == yes) SwitchLoginReminder(true);
}

void frmMainWidget::SwitchLoginReminder(bool on)
{
    const std::string why = on ? TurnLoginReminderOn(AutostartFile, ReminderProgram()) : TurnLoginReminderOff(AutostartFile);
    if (!why.empty()) QMessageBox::warning(this, QStringLiteral("没能开关登录时提醒"), Q(why));
}
