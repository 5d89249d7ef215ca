// frmMain on Qt: the main window's controls, and Qt's events mapped to frmMain's handlers.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <memory>

#include "info_window/qt/frmInfoWidget.h"
#include "main_window/frmMain.h"
#include "main_window/layout.h"
#include "main_window/qt/QtPictureBox.h"

namespace dovrin {

// An Image2 button: a 16 x 16 picture that answers clicks, as an image control does.
class ImageButton final : public QAbstractButton {
public:
    ImageButton(QPixmap picture, QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture;
};

}  // namespace dovrin

class frmMainWidget final : public QWidget {
public:
    frmMainWidget();
    ~frmMainWidget() override;

    // Start-up: reference texts, frmInfo, minimum size, today, the window shown and
    // focused, then the font list. Returns once the font list is complete.
    void Form_Load();

    frmMain& Logic() { return logic; }
    frmInfoWidget* frmInfo() const { return info.get(); }

    dovrin::QtPictureBox* picMain;
    QLabel* Image1;
    QLabel* Label2;  // created first: the shadow lies behind Label1
    QLabel* Label1;
    QWidget* picToolbar;
    std::array<dovrin::ImageButton*, dovrin::image2Count> Image2{};
    QComboBox* Combo1;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Resize();
    void Form_Unload();
    // Form_Resize steps 6 and 7, also run whenever the window moves or changes state.
    void AttachInfoWindow();
    // Where frmInfo's outer frame belongs, in pixels.
    QRect InfoWindowPlace() const;
    // Puts the labels, the caption and frmInfo's text in line with the last redraw.
    void ShowOutputs();

    dovrin::TwipsRect TwipsOf(const QRect& pixels) const;
    QRect PixelsOf(const dovrin::TwipsRect& twips) const;

    frmMain logic;
    std::unique_ptr<frmInfoWidget> info;
    float twipsPerPixel = 15;
    bool dateSelected = false;
    std::uint64_t shownRedraws = 0;
    bool correctingInfoMove = false;
};
