// The main window on Qt: building the controls, start-up, layout, input and shutdown.
#include "main_window/qt/frmMainWidget.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QShortcut>
#include <QSet>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolTip>

#include <cstdlib>
#include <iostream>

#include "main_window/day_cells.h"
#include "main_window/font_filter.h"
#include "main_window/qt/accessibility.h"
#include "main_window/qt/grid_fonts.h"
#include "main_window/qt/icons.h"
#include "main_window/qt/print_calendar.h"
#include "main_window/qt/twips_rect.h"
#include "calendar/locale_names.h"
#include "resources/autostart.h"
#include "resources/my_days.h"
#include "resources/reference_texts.h"

using namespace dovrin;

namespace {

constexpr const char* Image2Tips[Image2Count] = {"上一年", "上一月", "下一月", "下一年",
                                                 "转到今天"};

// The key codes frmMain knows; a key without one still reaches the handler and redraws.
std::int16_t KeyCodeOf(int key)
{
    switch (key) {
    case Qt::Key_PageUp: return KeyPageUp;
    case Qt::Key_PageDown: return KeyPageDown;
    case Qt::Key_Left: return KeyLeft;
    case Qt::Key_Up: return KeyUp;
    case Qt::Key_Right: return KeyRight;
    case Qt::Key_Down: return KeyDown;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    default: break;
    }
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return static_cast<std::int16_t>(key);  // the same codes as ASCII
    return 0;
}

// 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t ShiftOf(Qt::KeyboardModifiers modifiers)
{
    return static_cast<std::int16_t>((modifiers & Qt::ShiftModifier ? 1 : 0) |
                                     (modifiers & Qt::ControlModifier ? 2 : 0) |
                                     (modifiers & Qt::AltModifier ? 4 : 0));
}

// 1 left, 2 right, 4 middle.
std::int16_t ButtonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

// Why a button pressed on the day it would select leaves the day where it is (the month
// buttons always move, round within the first and the last year); isToday
// tells 转到今天 on today from 转到今天 held at an end of the years shown.
QString UnchangedDayNote(int index, CivilDate day, bool isToday)
{
    switch (index) {
    case Image2PreviousYear: return QStringLiteral("已是最早的年份 %1年").arg(day.year);
    case Image2NextYear: return QStringLiteral("已是最后的年份 %1年").arg(day.year);
    default: {
        const QString date = QString::fromStdString(ChineseDate(day.year, day.month, day.day));
        if (isToday) return QStringLiteral("已是今天 ") + date;
        return QStringLiteral("今天不在%1年至%2年之间，已是 %3").arg(FirstWindowYear).arg(LastWindowYear).arg(date);
    }
    }
}

QFont LabelFont()
{
    QFont font(ResolveSongTi(), 12);
    font.setBold(true);
    return font;
}

}  // namespace

namespace dovrin {

ImageButton::ImageButton(QPixmap image, QWidget* parent)
    : QAbstractButton(parent), picture(std::move(image))
{
    // Reached by Tab only: a click leaves the focus, and with it the keys, on the grid.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

QSize ImageButton::sizeHint() const
{
    return {16, 16};
}

void ImageButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (isDown()) p.translate(0.5, 0.5);
    p.drawPixmap(QPointF(0, 0), picture);
    if (hasFocus()) {
        QStyleOptionFocusRect mark;
        mark.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &mark, &p, this);
    }
}

void FontList::showPopup()
{
    QComboBox::showPopup();
    // The open list takes the focus before its current entry is announced as focused.
    if (currentIndex() < 0 || !QAccessible::isActive()) return;
    QAccessibleEvent focus(view(), QAccessible::Focus);
    focus.setChild(currentIndex());
    QAccessible::updateAccessibility(&focus);
}

void ImageButton::keyPressEvent(QKeyEvent* event)
{
    // Space presses it as on any button; Enter too, as on a toolbar's.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

}  // namespace dovrin

frmMainWidget::frmMainWidget(const dovrin::Clock& clock)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      picMain(new QtPictureBox(this)),
      Image1(new QLabel(this)),
      Label2(new QLabel(this)),
      Label1(new QLabel(this)),
      picToolbar(new QWidget(this)),
      Combo1(new FontList(this)),
      Notice(new Announcer(this)),
      logic(*picMain, *this, clock),
      twipsPerPixel(TwipsPerPixel(static_cast<float>(logicalDpiX()))),
      placement(*this, twipsPerPixel, InfoSettleTime)
{
    BuildLabels();
    BuildToolbar();
    BuildFontList();

    picMain->setGeometry(PixelsOf(DesignControls.picMain));
    picMain->installEventFilter(this);
    // Tab goes through the controls as they stand: the buttons and the font list along the
    // top, then the grid below them.
    QWidget* previous = picMain;
    for (QWidget* next : {static_cast<QWidget*>(Image2[0]), static_cast<QWidget*>(Image2[1]),
                          static_cast<QWidget*>(Image2[2]), static_cast<QWidget*>(Image2[3]),
                          static_cast<QWidget*>(Image2[4]), static_cast<QWidget*>(Combo1)}) {
        setTabOrder(previous, next);
        previous = next;
    }
    // Ctrl+P prints from every control of both windows.
    auto* print = new QShortcut(QKeySequence::Print, this);
    print->setContext(Qt::ApplicationShortcut);
    connect(print, &QShortcut::activated, this, &frmMainWidget::PrintFromAnywhere);
    // Installing twice is harmless: Qt keeps a factory once.
    QAccessible::installFactory(MainWindowAccessible);

    resize(TwipsToPixels(DesignClientWidth, twipsPerPixel),
           TwipsToPixels(DesignClientHeight, twipsPerPixel));
    AutostartFile = AutostartEntryPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    ReminderAskedFile = ReminderAskedPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

void frmMainWidget::BuildLabels()
{
    const qreal ratio = devicePixelRatioF();
    Image1->setGeometry(PixelsOf(DesignImage1));
    Image1->setPixmap(LogoPixmap(Image1->width(), ratio));
    setWindowIcon(QIcon(LogoPixmap(48, ratio)));

    Label1->setGeometry(PixelsOf(DesignLabel1));
    Label2->setGeometry(PixelsOf(DesignLabel2));
    Label1->setFont(LabelFont());
    Label2->setFont(LabelFont());
    Label1->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255);"));
    Label2->setStyleSheet(QStringLiteral("color: rgb(160, 160, 160);"));
}

void frmMainWidget::BuildToolbar()
{
    picToolbar->setGeometry(PixelsOf(DesignControls.picToolbar));
    for (int i = 0; i < Image2Count; ++i) {
        auto* button = new ImageButton(Image2Pixmap(i, devicePixelRatioF()), picToolbar);
        TwipsRect place = DesignImage2;
        place.Left = static_cast<float>(i) * DesignImage2.Width;
        button->setGeometry(PixelsOf(place));
        button->setToolTip(QString::fromUtf8(Image2Tips[i]));
        button->setAccessibleName(button->toolTip());
        connect(button, &QAbstractButton::clicked, this, [this, i, button] { PressImage2(i, *button); });
        Image2[i] = button;
    }
}

void frmMainWidget::BuildFontList()
{
    Combo1->setGeometry(PixelsOf(DesignControls.Combo1));
    // On Linux Qt names a combo box by its current entry; a screen reader takes what the
    // box is for from a label that has the box as its buddy. The label is never shown.
    auto* fontLabel = new QLabel(QStringLiteral("字体"), this);
    fontLabel->setBuddy(Combo1);
    fontLabel->hide();
    Combo1->setAccessibleName(fontLabel->text());
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0) return;
        // The closed box is narrow: the whole name is in its tooltip.
        Combo1->setToolTip(Combo1->itemText(index));
        logic.Combo1_Click(Combo1->itemText(index).toStdString());
        // Qt tells a screen reader nothing when the closed box changes; the open list says
        // its entries itself.
        if (Combo1->hasFocus() && !Combo1->view()->isVisible()) Notice->Say(Combo1->itemText(index));
    });
}

void frmMainWidget::PressImage2(int index, ImageButton& button)
{
    const bool fromKeys = button.hasFocus();
    const CivilDate before{logic.CurYear, logic.CurMonth, logic.CurDay};
    logic.Image2_Click(static_cast<std::int16_t>(index));
    if (!fromKeys) return;  // a click leaves the focus where it was
    if (CivilDate{logic.CurYear, logic.CurMonth, logic.CurDay} != before) {
        picMain->setFocus(Qt::OtherFocusReason);
        return;
    }
    Notice->Say(UnchangedDayNote(index, before, logic.CalDate.IsToday(before.year, before.month, before.day)));
}

void frmMainWidget::PrintFromAnywhere()
{
    // Once the key has been handled, so that the dialog does not run inside its delivery.
    QMetaObject::invokeMethod(this, [this] {
        PrintCalendar(this, logic.CurYear, logic.CurMonth, logic.OfficialDays, logic.MyDays);
    }, Qt::QueuedConnection);
}

frmMainWidget::~frmMainWidget()
{
    picMain->removeEventFilter(this);
    // The grid's accessible interface reads the form: the grid goes before the form does.
    delete picMain;
}

TwipsRect frmMainWidget::TwipsOf(const QRect& pixels) const
{
    return dovrin::TwipsOf(pixels, twipsPerPixel);
}

QRect frmMainWidget::PixelsOf(const TwipsRect& twips) const
{
    return dovrin::PixelsOf(twips, twipsPerPixel);
}

void frmMainWidget::Form_Load()
{
    LoadDataAndInfo();

    // The designed size, read before the window is first shown. The window manager is
    // told too, so that a drag stops there instead of snapping back.
    logic.MinWidth = PixelsToTwips(static_cast<float>(frameGeometry().width()), twipsPerPixel);
    logic.MinHeight = PixelsToTwips(static_cast<float>(frameGeometry().height()), twipsPerPixel);
    setMinimumSize(size());

    logic.SelectToday();
    dateSelected = true;

    show();  // the first resize lays out the controls and draws the month
    placement.WindowShown();
    activateWindow();
    picMain->setFocus();

    Combo1->setEnabled(false);
    logic.IsReady = false;
    // Paint the month before asking for the font list, which can take a while.
    QCoreApplication::processEvents();
    FillFontList();
    Combo1->setEnabled(true);
    logic.IsReady = true;
}

void frmMainWidget::LoadDataAndInfo()
{
    logic.Texts = LoadReferenceTexts();
    std::vector<std::string> skipped;
    logic.OfficialDays = LoadRestDays(RestDaysFile, skipped);
    for (const std::string& line : skipped) std::cerr << "dovrin: " << line << "\n";
    logic.LoadMyDays(MyDaysPath(RestDaysFile));

    info = std::make_unique<frmInfoWidget>(
        QSize(TwipsToPixels(DesignInfoClientWidth, twipsPerPixel), TwipsToPixels(DesignInfoClientHeight, twipsPerPixel)));
    placement.SetInfo(info.get());
    info->SetText(dayText);
    info->show();
}

void frmMainWidget::FillFontList()
{
    const QStringList families = QFontDatabase::families();
    QSet<QString> listed;
    for (const QString& family : families) {
        // A family that two foundries ship is listed once, by its plain name.
        const QString entry = QString::fromStdString(FamilyWithoutFoundry(family.toStdString()));
        // Only faces that draw the grid's Chinese: any other would blank it.
        if (!listed.contains(entry) && FontPassesFilter(entry.toStdString()) && ShowsCalendarText(family)) {
            listed.insert(entry);
            // Adding an entry selects nothing: the grid's font changes only by choice.
            const QSignalBlocker blocker(Combo1);
            Combo1->addItem(entry);
            Combo1->setCurrentIndex(-1);
        }
        QCoreApplication::processEvents();
    }
    WidenFontList();

    const QString current = QString::fromStdString(picMain->FontName());
    for (int i = 0; i < Combo1->count(); ++i) {
        if (Combo1->itemText(i) == current) {
            Combo1->setCurrentIndex(i);
            break;
        }
        QCoreApplication::processEvents();
    }
}

void frmMainWidget::WidenFontList()
{
    QAbstractItemView* list = Combo1->view();
    const int widest = list->sizeHintForColumn(0);
    if (widest <= 0) return;
    list->setMinimumWidth(widest + 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width());
}

void frmMainWidget::resizeEvent(QResizeEvent*)
{
    placement.WindowResized();
    Form_Resize();
}

void frmMainWidget::Form_Resize()
{
    if (!dateSelected) return;

    const QRect outer = frameGeometry();
    const float outerWidth = PixelsToTwips(static_cast<float>(outer.width()), twipsPerPixel);
    const float outerHeight = PixelsToTwips(static_cast<float>(outer.height()), twipsPerPixel);
    const float minWidth = AtLeast(outerWidth, logic.MinWidth);
    const float minHeight = AtLeast(outerHeight, logic.MinHeight);
    if (!isMinimized() && (minWidth != outerWidth || minHeight != outerHeight)) {
        // The resize that follows runs these steps again with a size that fits.
        resize(width() + TwipsToPixels(minWidth - outerWidth, twipsPerPixel),
               height() + TwipsToPixels(minHeight - outerHeight, twipsPerPixel));
    }

    const MovingControls current{TwipsOf(Combo1->geometry()), TwipsOf(picToolbar->geometry()),
                                 TwipsOf(picMain->geometry())};
    const MovingControls next =
        FollowRightEdge(current, PixelsToTwips(static_cast<float>(width()), twipsPerPixel),
                        PixelsToTwips(static_cast<float>(height()), twipsPerPixel));
    Combo1->setGeometry(PixelsOf(next.Combo1));
    picToolbar->setGeometry(PixelsOf(next.picToolbar));
    picMain->setGeometry(PixelsOf(next.picMain));

    placement.Attach();

    logic.ReDrawCalendar();
}

void frmMainWidget::moveEvent(QMoveEvent*)
{
    placement.WindowMoved();
}

void frmMainWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange) placement.WindowStateChanged();
    QWidget::changeEvent(event);
}

void frmMainWidget::ShowLabels(const std::string& label1, const std::string& label2)
{
    ++redraws;
    Label1->setText(QString::fromStdString(label1));
    Label2->setText(QString::fromStdString(label2));
    Label1->adjustSize();
    Label2->adjustSize();
}

void frmMainWidget::ShowCaption(const std::string& caption)
{
    setWindowTitle(QString::fromStdString(caption));
}

void frmMainWidget::ShowDayText(const std::string& text)
{
    if (info)
        info->SetText(text);
    else
        dayText = text;
}

void frmMainWidget::ShowSelectedDay()
{
    // A redraw that keeps the day is not news.
    const CivilDate selected{logic.CurYear, logic.CurMonth, logic.CurDay};
    if (selected != announcedDay) {
        AnnounceSelectedDay(*this, announcedDay);
        announcedDay = selected;
    }
}

void frmMainWidget::ShowDayTip(const QHelpEvent& help)
{
    const std::int32_t day = logic.DayUnder(static_cast<float>(help.pos().x()), static_cast<float>(help.pos().y()));
    if (day == 0) {
        QToolTip::hideText();
        return;
    }
    // Rich text only for the escaping: a holiday name from the user's file is shown as
    // written. QToolTip keeps its own font, so the tip reads in the desktop's face whatever
    // face the grid was given.
    const std::string tip = DayCellTip({logic.CurYear, logic.CurMonth, day}, logic.OfficialDays, logic.MyDays);
    QToolTip::showText(help.globalPos(), Qt::convertFromPlainText(QString::fromStdString(tip), Qt::WhiteSpaceNoWrap),
                       picMain);
}

bool frmMainWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picMain) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            // Tab and Shift+Tab move the focus to the next control, as everywhere.
            if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
                !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
                return false;
            if (OpenDayMenuFromKey(*key)) return true;
            logic.picMain_KeyDown(KeyCodeOf(key->key()), ShiftOf(key->modifiers()));
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            picMain->setFocus();
            logic.picMain_MouseDown(ButtonOf(mouse->button()), ShiftOf(mouse->modifiers()),
                                    static_cast<float>(mouse->position().x()),
                                    static_cast<float>(mouse->position().y()));
            return true;
        }
        if (event->type() == QEvent::ContextMenu) {
            // The button's press has selected the day already; a keyboard's menu key is
            // answered with the key.
            const auto* menu = static_cast<QContextMenuEvent*>(event);
            if (menu->reason() == QContextMenuEvent::Mouse &&
                logic.DayUnder(static_cast<float>(menu->pos().x()), static_cast<float>(menu->pos().y())) != 0)
                ShowDayMenu(menu->globalPos());
            return true;
        }
        if (event->type() == QEvent::ToolTip) {
            ShowDayTip(*static_cast<QHelpEvent*>(event));
            return true;
        }
        if (event->type() == QEvent::FocusIn) {
            // After Qt has told of the grid's own focus, so that the day is the last word.
            QMetaObject::invokeMethod(this, [this] { AnnounceFocusedDay(*this); }, Qt::QueuedConnection);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmMainWidget::closeEvent(QCloseEvent* event)
{
    std::int16_t cancel = 0;
    logic.Form_QueryUnload(cancel, 0);
    if (cancel != 0) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void frmMainWidget::Form_Unload()
{
    if (info) info->Unload();
}
