// The Qt drawing surface of the month grid.
#include "main_window/qt/QtPictureBox.h"

#include <QGlyphRun>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

#include "main_window/qt/grid_fonts.h"

namespace dovrin {
namespace {

QColor ToQColor(Rgb colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

// The whole text on one line: the grid's texts are neither wrapped nor clipped.
void LayOutOneLine(QTextLayout& layout)
{
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
}

}  // namespace

QtPictureBox::QtPictureBox(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    font = QGuiApplication::font();
    font.setFamily(DefaultFamily());
    font.setPointSize(9);
}

QtPictureBox::~QtPictureBox()
{
    EndPainting();
}

QString QtPictureBox::DefaultFamily()
{
    return ResolveSongTi();
}

float QtPictureBox::ScaleWidth() const
{
    return static_cast<float>(width());
}

float QtPictureBox::ScaleHeight() const
{
    return static_cast<float>(height());
}

void QtPictureBox::BackColor(Rgb colour)
{
    backColour = ToQColor(colour);
}

void QtPictureBox::ForeColor(Rgb colour)
{
    foreColour = ToQColor(colour);
}

QPainter& QtPictureBox::Painter()
{
    if (!painter.isActive()) {
        painter.begin(&image);
        painter.setFont(font);
    }
    return painter;
}

void QtPictureBox::EndPainting()
{
    if (painter.isActive()) painter.end();
}

void QtPictureBox::Cls()
{
    EndPainting();
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(std::max(1, static_cast<int>(std::ceil(width() * ratio))),
                       std::max(1, static_cast<int>(std::ceil(height() * ratio))));
    if (image.size() != pixels || image.devicePixelRatio() != ratio) {
        image = QImage(pixels, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
    }
    // Text on the image must come out at the size the screen gives the same font.
    const int dotsPerMeter = qRound(logicalDpiX() / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(backColour);
    printedBoxes.clear();
    currentX = 0;
    currentY = 0;
    update();
}

void QtPictureBox::Line(float x1, float y1, float x2, float y2)
{
    QPainter& p = Painter();
    p.setPen(QPen(foreColour, 0));
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    update();
}

void QtPictureBox::FilledBox(float x1, float y1, float x2, float y2)
{
    // Both corners belong to the box, as with a line that covers its end points.
    const QRectF box = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
    Painter().fillRect(box.adjusted(0, 0, 1, 1), foreColour);
    update();
}

const QtPictureBox::LineMetrics& QtPictureBox::ChineseLine() const
{
    const int dpi = logicalDpiY();
    if (measuredDpi == dpi && measuredFont == font && measuredLine.height > 0) return measuredLine;

    // A cell's first line is a day number and a lunar day name: the digits can come from
    // another face than the Chinese, with other metrics.
    QTextLayout layout(QStringLiteral("星期 0123456789"), font, this);
    LayOutOneLine(layout);
    qreal ascent = 0;
    qreal descent = 0;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        ascent = std::max(ascent, run.rawFont().ascent());
        descent = std::max(descent, run.rawFont().descent());
    }
    if (ascent + descent <= 0) {  // nothing drew the sample: the line's own metrics
        ascent = layout.lineAt(0).ascent();
        descent = layout.lineAt(0).descent();
    }
    // Whole pixels keep the heading band, the grid lines and every baseline on pixel edges.
    measuredLine.ascent = static_cast<float>(std::ceil(ascent));
    measuredLine.height = static_cast<float>(std::ceil(ascent) + std::ceil(descent));
    measuredFont = font;
    measuredDpi = dpi;
    return measuredLine;
}

void QtPictureBox::Print(const std::string& text)
{
    const LineMetrics& line = ChineseLine();
    const float baseline = currentY + line.ascent;
    QRectF box(QPointF(currentX, baseline), QSizeF(0, 0));
    if (!text.empty()) {
        QTextLayout layout(QString::fromStdString(text), font, this);
        LayOutOneLine(layout);
        const QTextLine laidOut = layout.lineAt(0);
        // Every line of the grid shares one baseline height, whatever faces its text needs.
        const QPointF origin(currentX, baseline - laidOut.ascent());
        QPainter& p = Painter();
        p.setPen(foreColour);
        layout.draw(&p, origin);
        update();

        qreal top = baseline;
        qreal bottom = baseline;
        for (const QGlyphRun& run : layout.glyphRuns()) {
            top = std::min(top, baseline - run.rawFont().ascent());
            bottom = std::max(bottom, baseline + run.rawFont().descent());
        }
        box = QRectF(currentX, top, laidOut.naturalTextWidth(), bottom - top);
    }
    printedBoxes.push_back(box);
    currentX = 0;
    currentY += line.height;
}

float QtPictureBox::TextHeight(const std::string&) const
{
    // The same for every text, so that the lines of neighbouring cells stay level.
    return ChineseLine().height;
}

float QtPictureBox::TextWidth(const std::string& text) const
{
    return static_cast<float>(QFontMetricsF(font, this).horizontalAdvance(QString::fromStdString(text)));
}

void QtPictureBox::FontBold(bool bold)
{
    font.setBold(bold);
    if (painter.isActive()) painter.setFont(font);
}

std::string QtPictureBox::FontName() const
{
    return font.family().toStdString();
}

void QtPictureBox::FontName(const std::string& name)
{
    font.setFamily(QString::fromStdString(name));
    if (painter.isActive()) painter.setFont(font);
}

const QImage& QtPictureBox::Picture()
{
    EndPainting();
    return image;
}

void QtPictureBox::paintEvent(QPaintEvent* event)
{
    EndPainting();
    QPainter p(this);
    p.fillRect(event->rect(), backColour);
    p.drawImage(QPoint(0, 0), image);
}

}  // namespace dovrin
