// frmInfo kept beside the main window: placed on every move, resize and change of state,
// put back when dragged away, and the pair kept inside the screen's free area.
#pragma once

#include <QElapsedTimer>
#include <QMargins>
#include <QObject>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <chrono>

class frmInfoWidget;
class QScreen;

namespace dovrin {

class InfoPlacement final : public QObject {
public:
    // `settleTime` is read at each use, so that the window's setting may change.
    InfoPlacement(QWidget& window, float twipsPerPixel, const std::chrono::milliseconds& settleTime);

    // frmInfo once it exists; its moves are watched from then on.
    void SetInfo(frmInfoWidget* info);
    // The main window has been shown for the first time: fit the pair on its screen while
    // the window manager places the windows, and follow the window's screen.
    void WindowShown();

    // Places frmInfo beside the window and shows it only beside a normal window.
    void Attach();
    // The window resized, moved or changed its state: a frmInfo pushed away is put back
    // a few times again.
    void WindowResized();
    void WindowMoved();
    void WindowStateChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Where frmInfo's outer frame belongs, in pixels.
    QRect InfoWindowPlace() const;
    bool InfoAtPlace() const;
    // frmInfo moved by someone else: the user or the window manager.
    void InfoMovedAway();
    void PutInfoBack();
    // For a while after a window is shown, the window manager may still add or change its
    // frame without a move: re-place frmInfo when either frame changes.
    void WatchFrames();
    void CheckFrames();
    // Moves the window the least so that it and frmInfo lie inside its screen's free area.
    // Run while the window manager places the windows at start-up, and once moves have
    // stopped after the window changed screens or its screen changed its size; never after
    // a drag within one screen.
    void KeepPairOnScreen();
    void FollowScreen(QScreen* screen);

    QWidget& window;
    const float twipsPerPixel;
    const std::chrono::milliseconds& settleTime;
    frmInfoWidget* info = nullptr;
    bool placingInfo = false;  // frmInfo's moves are our own
    QElapsedTimer infoPutBack;
    QTimer infoSettle;
    int infoPushbacks = 0;
    QTimer frameWatch;
    int frameWatchTicks = 0;
    QMargins mainFrameSeen;
    QMargins infoFrameSeen;
    bool startingUp = false;  // the first frame watch after the window is shown
    QTimer screenSettle;
    QMetaObject::Connection screenGeometry;
    QMetaObject::Connection screenFreeArea;
};

}  // namespace dovrin
