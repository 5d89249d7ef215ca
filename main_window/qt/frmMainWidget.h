// frmMain on Qt: the main window's controls, and Qt's events mapped to frmMain's handlers.
#pragma once

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <chrono>
#include <memory>

#include "calendar/clock.h"
#include "info_window/qt/frmInfoWidget.h"
#include "main_window/frmMain.h"
#include "main_window/layout.h"
#include "main_window/main_view.h"
#include "main_window/qt/QtPictureBox.h"
#include "main_window/qt/accessibility.h"
#include "main_window/qt/info_placement.h"

namespace dovrin {

// An Image2 button: a 16 x 16 picture that answers clicks, as an image control does.
class ImageButton final : public QAbstractButton {
public:
    ImageButton(QPixmap image, QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPixmap picture;
};

// The font list: opened, it says the font chosen now, as a list that takes the focus on
// its current entry does.
class FontList final : public QComboBox {
public:
    explicit FontList(QWidget* parent) : QComboBox(parent) {}
    void showPopup() override;
};

}  // namespace dovrin

// The widget is also frmMain's view: every redraw lands in the labels, the title and frmInfo.
class frmMainWidget final : public QWidget, public dovrin::AccessibleMainWindow, private dovrin::MainView {
public:
    explicit frmMainWidget(const dovrin::Clock& clock = dovrin::TheSystemClock());
    ~frmMainWidget() override;

    // Start-up: reference texts, frmInfo, minimum size, today, the window shown and
    // focused, then the font list. Returns once the font list is complete.
    void Form_Load();

    // The user's file of days off and working days that Form_Load lays over the built-in
    // arrangement; none when empty.
    std::string RestDaysFile;

    // The login reminder's autostart entry and the mark that the user was asked about it,
    // under $XDG_CONFIG_HOME; none when empty.
    std::string AutostartFile;
    std::string ReminderAskedFile;

    // The selected day's menu at `where`, on the screen: the user's days added, changed and
    // removed, and the login reminder switched.
    void ShowDayMenu(const QPoint& where);

    frmMain& Logic() { return logic; }
    const frmMain& Form() const override { return logic; }
    QWidget& Grid() const override { return *picMain; }
    bool Unread(const QWidget& child) const override { return &child == Label2 || &child == Image1; }
    void SendAccessibilityEvent(QAccessibleEvent& event) const override { AccessibilityUpdate(&event); }
    frmInfoWidget* frmInfo() const { return info.get(); }
    // How many redraws have reached the labels.
    std::uint64_t Redraws() const { return redraws; }

    // A dragged frmInfo goes back at once. A move that comes sooner than this after that
    // (the window manager pushing back, or a drag still going on) is answered only once the
    // window has stayed still this long, and only a few times in a row.
    std::chrono::milliseconds InfoSettleTime{250};

    // Where the grid's accessibility events go: Qt's bridge to assistive technology, or a
    // test's record.
    void (*AccessibilityUpdate)(QAccessibleEvent* event) = QAccessible::updateAccessibility;

    dovrin::QtPictureBox* picMain;
    QLabel* Image1;
    QLabel* Label2;  // created first: the shadow lies behind Label1
    QLabel* Label1;
    QWidget* picToolbar;
    std::array<dovrin::ImageButton*, dovrin::Image2Count> Image2{};
    dovrin::FontList* Combo1;
    // What a screen reader is told beside the focus: a press that changed nothing, a font.
    dovrin::Announcer* Notice;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls of the design, each at its place.
    void BuildLabels();
    void BuildToolbar();
    void BuildFontList();
    // Reference texts and days off, then frmInfo shown.
    void LoadDataAndInfo();
    // The fonts that draw the grid's Chinese, listed while the window stays responsive;
    // the grid's current font selected at the end.
    void FillFontList();
    void Form_Resize();
    // The open font list as wide as its longest name.
    void WidenFontList();
    void Form_Unload();

    // A button of the toolbar pressed. Pressed from the keyboard, it hands the focus to
    // the grid with the day it moved to, or says why the day stays.
    void PressImage2(int index, dovrin::ImageButton& button);
    void PrintFromAnywhere();

    // The menu of the user's days (my_day_menu.cpp). Opened from the keyboard, it stands at
    // the selected day's cell.
    bool OpenDayMenuFromKey(const QKeyEvent& key);
    void EditMyDay(const std::string& title);  // "" adds one
    void DeleteMyDay(const std::string& title);
    // The file read again, the grid and the day text drawn with it.
    void MyDaysChanged();
    void OfferLoginReminder();
    void SwitchLoginReminder(bool on);

    // The whole text of the day under the pointer; none over an empty cell or the heading.
    void ShowDayTip(const QHelpEvent& help);

    void ShowLabels(const std::string& label1, const std::string& label2) override;
    void ShowCaption(const std::string& caption) override;
    void ShowDayText(const std::string& text) override;
    void ShowSelectedDay() override;

    dovrin::TwipsRect TwipsOf(const QRect& pixels) const;
    QRect PixelsOf(const dovrin::TwipsRect& twips) const;

    frmMain logic;
    std::unique_ptr<frmInfoWidget> info;
    float twipsPerPixel;
    dovrin::InfoPlacement placement;  // after info: it watches frmInfo while it lives
    bool dateSelected = false;
    std::uint64_t redraws = 0;
    std::string dayText;  // kept for frmInfo, which is created after the first redraws
    dovrin::CivilDate announcedDay;  // the selected day assistive technology was last told of
};
