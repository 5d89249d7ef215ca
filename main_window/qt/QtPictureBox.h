// picMain on Qt: a persistent image that the grid draws on and paintEvent only blits.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QWidget>

#include <vector>

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

    // Where the texts printed since the last Cls stand, one box per Print: from the start to
    // the end of the text, and from the top to the bottom of the faces that draw it (no
    // height and no width for an empty text).
    const std::vector<QRectF>& PrintedBoxes() const { return printedBoxes; }

    // The family that draws "宋体" on this machine, resolved to a Song face where needed.
    static QString DefaultFamily();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // One line of Chinese text and digits in the current font, in whole pixels.
    struct LineMetrics {
        float ascent = 0;  // from the top of the line to the baseline
        float height = 0;
    };

    QPainter& Painter();
    // Measured on the faces that draw the text: a Latin family borrows its Chinese from
    // another, taller face, and its own height would crowd the lines.
    const LineMetrics& ChineseLine() const;
    void EndPainting();

    QImage image;
    QPainter painter;
    QFont font;
    QColor backColour = Qt::white;
    QColor foreColour = Qt::black;
    float currentX = 0;
    float currentY = 0;
    std::vector<QRectF> printedBoxes;
    mutable QFont measuredFont;
    mutable int measuredDpi = 0;
    mutable LineMetrics measuredLine;
};

}  // namespace dovrin
