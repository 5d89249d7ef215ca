// The Qt drawing surface of the month grid.
#include "main_window/qt/QtPictureBox.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace dovrin {
namespace {

QColor ToQColor(Rgb colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

}  // namespace

QtPictureBox::QtPictureBox(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    font = QGuiApplication::font();
    font.setFamily(DefaultFamily());
}

QtPictureBox::~QtPictureBox()
{
    EndPainting();
}

QString QtPictureBox::DefaultFamily()
{
    const QString songTi = QStringLiteral("宋体");
    QFont probe(songTi);
    // Substitution would report another family; only an exact match counts as resolved.
    if (QFontInfo(probe).family() == songTi) return songTi;
    return QGuiApplication::font().family();
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

float QtPictureBox::EmPixels() const
{
    if (font.pixelSize() > 0) return static_cast<float>(font.pixelSize());
    return static_cast<float>(font.pointSizeF() * logicalDpiY() / 72.0);
}

void QtPictureBox::Print(const std::string& text)
{
    const float lineHeight = TextHeight(text);
    if (!text.empty()) {
        QPainter& p = Painter();
        p.setPen(foreColour);
        // Ideographs fill the em from 0.88 em above the baseline to 0.12 em below it.
        const float baseline = currentY + std::round(0.88f * EmPixels());
        p.drawText(QPointF(currentX, baseline), QString::fromStdString(text));
        update();
    }
    currentX = 0;
    currentY += lineHeight;
}

float QtPictureBox::TextHeight(const std::string&) const
{
    // One line is one em, as in the Song faces the grid was laid out for. The CJK faces
    // that stand in for them carry wide line gaps (Noto's lines are 1.45 em) that would push
    // the fourth line of a cell past the designed cell. Whole pixels keep the heading band
    // and the grid lines on pixel edges.
    return std::ceil(EmPixels());
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
