// picMain on Qt: a persistent image that the grid draws on and paintEvent only blits.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "main_window/picture_box.h"

namespace dovrin {

class QtPictureBox final : public QWidget, public PictureBox {
public:
    explicit QtPictureBox(QWidget* parent = nullptr);
    ~QtPictureBox() override;

    float ScaleWidth() const override;
    float ScaleHeight() const override;
    void BackColor(Rgb colour) override;
    void ForeColor(Rgb colour) override;
    void Cls() override;
    void Line(float x1, float y1, float x2, float y2) override;
    void FilledBox(float x1, float y1, float x2, float y2) override;
    void CurrentX(float x) override { currentX = x; }
    void CurrentY(float y) override { currentY = y; }
    void Print(const std::string& text) override;
    float TextHeight(const std::string& text) const override;
    float TextWidth(const std::string& text) const override;
    void FontBold(bool bold) override;
    std::string FontName() const override;
    void FontName(const std::string& name) override;

    // What the window shows; finishes any drawing in progress.
    const QImage& Picture();

    // "宋体" when the machine has it, otherwise the application's default family.
    static QString DefaultFamily();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPainter& Painter();
    // The font's size in pixels.
    float EmPixels() const;
    void EndPainting();

    QImage image;
    QPainter painter;
    QFont font;
    QColor backColour = Qt::white;
    QColor foreColour = Qt::black;
    float currentX = 0;
    float currentY = 0;
};

}  // namespace dovrin
