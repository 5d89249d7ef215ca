// frmInfo kept beside the main window, through the window manager's moves and the screen's changes.
#include "main_window/qt/info_placement.h"

#include <QEvent>
#include <QScreen>
#include <QWindow>

#include "info_window/qt/frmInfoWidget.h"
#include "main_window/layout.h"
#include "main_window/qt/twips_rect.h"

namespace dovrin {
namespace {

// How many times in a row a frmInfo pushed away again is put back before it is left alone
// until the main window moves.
constexpr int MostInfoPushbacks = 3;
// The frames are watched for 2 s after a window is shown.
constexpr std::chrono::milliseconds FrameWatchInterval{50};
constexpr int FrameWatchTicks = 40;
// After a change of screen the pair is fitted once the window has stayed still this long,
// so that a drag across screens is never fought.
constexpr std::chrono::milliseconds ScreenSettleTime{300};

QMargins FrameOf(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

}  // namespace

InfoPlacement::InfoPlacement(QWidget& mainWindow, float scale, const std::chrono::milliseconds& settle)
    : window(mainWindow), twipsPerPixel(scale), settleTime(settle)
{
    infoSettle.setSingleShot(true);
    connect(&infoSettle, &QTimer::timeout, this, [this] {
        if (info && info->isVisible() && !InfoAtPlace() && ++infoPushbacks <= MostInfoPushbacks) PutInfoBack();
    });
    frameWatch.setInterval(FrameWatchInterval);
    connect(&frameWatch, &QTimer::timeout, this, &InfoPlacement::CheckFrames);
    screenSettle.setSingleShot(true);
    screenSettle.setInterval(ScreenSettleTime);
    connect(&screenSettle, &QTimer::timeout, this, &InfoPlacement::KeepPairOnScreen);
}

void InfoPlacement::SetInfo(frmInfoWidget* infoWindow)
{
    info = infoWindow;
    info->installEventFilter(this);
}

void InfoPlacement::WindowShown()
{
    startingUp = true;
    WatchFrames();
    if (QWindow* handle = window.windowHandle()) {
        connect(handle, &QWindow::screenChanged, this, &InfoPlacement::FollowScreen);
        FollowScreen(handle->screen());
        screenSettle.stop();
    }
}

void InfoPlacement::WindowResized()
{
    infoPushbacks = 0;
}

void InfoPlacement::WindowMoved()
{
    infoPushbacks = 0;
    Attach();
    if (screenSettle.isActive()) screenSettle.start();  // a drag still going on
}

void InfoPlacement::WindowStateChanged()
{
    infoPushbacks = 0;
    Attach();
}

QRect InfoPlacement::InfoWindowPlace() const
{
    return PixelsOf(AttachInfoWindow(TwipsOf(window.frameGeometry(), twipsPerPixel),
                                     PixelsToTwips(static_cast<float>(info->OuterGeometry().width()), twipsPerPixel)),
                    twipsPerPixel);
}

bool InfoPlacement::InfoAtPlace() const
{
    return info->OuterGeometry().topLeft() == InfoWindowPlace().topLeft();
}

void InfoPlacement::Attach()
{
    if (!info) return;
    const QRect place = InfoWindowPlace();
    if (info->OuterGeometry() != place) {
        placingInfo = true;
        info->PlaceOuter(place.x(), place.y(), place.width(), place.height());
        placingInfo = false;
    }

    const WindowState state = window.isMinimized()                             ? WindowState::Minimized
                              : window.isMaximized() || window.isFullScreen() ? WindowState::Maximized
                                                                              : WindowState::Normal;
    if (InfoWindowShown(state)) {
        if (!info->isVisible()) {
            info->show();
            WatchFrames();
        }
    } else if (info->isVisible()) {
        info->hide();
    }
}

void InfoPlacement::InfoMovedAway()
{
    if (!info->isVisible()) return;
    const bool soon =
        settleTime.count() > 0 && infoPutBack.isValid() && !infoPutBack.hasExpired(settleTime.count());
    if (!soon) {
        infoPushbacks = 0;
        PutInfoBack();
    } else {
        infoSettle.start(settleTime);  // each further move starts the wait anew
    }
}

void InfoPlacement::PutInfoBack()
{
    infoPutBack.start();
    Attach();
}

void InfoPlacement::WatchFrames()
{
    mainFrameSeen = FrameOf(window);
    if (info) infoFrameSeen = info->FrameMargins();
    frameWatchTicks = 0;
    frameWatch.start();
}

void InfoPlacement::CheckFrames()
{
    if (++frameWatchTicks >= FrameWatchTicks) frameWatch.stop();
    if (!info) return;
    if (startingUp) {
        KeepPairOnScreen();
        startingUp = frameWatch.isActive();
    }
    const QMargins mainFrame = FrameOf(window);
    const QMargins infoFrame = info->FrameMargins();
    if (mainFrame == mainFrameSeen && infoFrame == infoFrameSeen) return;
    mainFrameSeen = mainFrame;
    infoFrameSeen = infoFrame;
    Attach();
}

void InfoPlacement::KeepPairOnScreen()
{
    const QScreen* where = window.screen();
    if (!info || !where || !window.isVisible() || window.isMinimized() || window.isMaximized() ||
        window.isFullScreen())
        return;
    const QRect outer = window.frameGeometry();
    const QRect place = PixelsOf(
        dovrin::KeepPairOnScreen(TwipsOf(outer, twipsPerPixel),
                                 PixelsToTwips(static_cast<float>(info->OuterGeometry().width()), twipsPerPixel),
                                 TwipsOf(where->availableGeometry(), twipsPerPixel)),
        twipsPerPixel);
    if (place.topLeft() != outer.topLeft()) window.move(place.topLeft());
}

void InfoPlacement::FollowScreen(QScreen* screen)
{
    disconnect(screenGeometry);
    disconnect(screenFreeArea);
    if (screen) {
        const auto settle = [this] { screenSettle.start(); };
        screenGeometry = connect(screen, &QScreen::geometryChanged, this, settle);
        screenFreeArea = connect(screen, &QScreen::availableGeometryChanged, this, settle);
    }
    screenSettle.start();
}

bool InfoPlacement::eventFilter(QObject* watched, QEvent* event)
{
    // Dragged by the user, or placed elsewhere by the window manager: it goes back.
    if (info && watched == info && event->type() == QEvent::Move && !placingInfo && !InfoAtPlace()) InfoMovedAway();
    return QObject::eventFilter(watched, event);
}

}  // namespace dovrin
