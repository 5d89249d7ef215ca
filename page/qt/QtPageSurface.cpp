// The pages drawn with QPainter.
#include "page/qt/QtPageSurface.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>

#include <algorithm>

namespace dovrin {

QtPageSurface::QtPageSurface(QPagedPaintDevice& target, const QString& family) : device(target)
{
    font.setFamily(family);
    font.setPointSizeF(10);
}

QtPageSurface::~QtPageSurface()
{
    if (painter.isActive()) painter.end();
}

void QtPageSurface::NewPage(float width, float height)
{
    const bool landscape = width > height;
    const QPageSize size(QSizeF(std::min(width, height), std::max(width, height)), QPageSize::Point, QString(),
                         QPageSize::FuzzyMatch);
    // The layout keeps its own margins.
    QPageLayout layout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(),
                             QPageLayout::Point);
    layout.setMode(QPageLayout::FullPageMode);
    if (painter.isActive()) {
        failed |= !device.setPageLayout(layout);
        failed |= !device.newPage();
    } else {
        failed |= !device.setPageLayout(layout);
        failed |= !painter.begin(&device);
    }
    if (!painter.isActive()) return;
    // The painter's origin is the printable area's corner; the layout measures from the paper's.
    const QRectF printable = device.pageLayout().paintRectPoints();
    scale = device.logicalDpiX() / 72.0;
    painter.resetTransform();
    painter.translate(-printable.left() * scale, -printable.top() * scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);
}

QPointF QtPageSurface::At(float x, float y) const
{
    return {x * scale, y * scale};
}

void QtPageSurface::ForeColor(Rgb rgb)
{
    colour = QColor(rgb.red, rgb.green, rgb.blue);
}

void QtPageSurface::Line(float x1, float y1, float x2, float y2)
{
    if (!painter.isActive()) return;
    painter.setPen(QPen(colour, 0.5 * scale));
    painter.drawLine(At(x1, y1), At(x2, y2));
}

void QtPageSurface::FilledBox(float x1, float y1, float x2, float y2)
{
    if (!painter.isActive()) return;
    painter.fillRect(QRectF(At(x1, y1), At(x2, y2)).normalized(), colour);
}

void QtPageSurface::Font(float size, bool bold)
{
    font.setPointSizeF(size);
    font.setBold(bold);
    if (painter.isActive()) painter.setFont(font);
}

void QtPageSurface::Print(float x, float y, const std::string& text)
{
    if (!painter.isActive()) return;
    painter.setPen(colour);
    const QFontMetricsF metrics(font, &device);
    painter.drawText(QPointF(x * scale, y * scale + metrics.ascent()), QString::fromStdString(text));
}

float QtPageSurface::TextWidth(const std::string& text) const
{
    return static_cast<float>(QFontMetricsF(font, &device).horizontalAdvance(QString::fromStdString(text)) / scale);
}

float QtPageSurface::TextHeight() const
{
    const QFontMetricsF metrics(font, &device);
    return static_cast<float>((metrics.ascent() + metrics.descent()) / scale);
}

bool QtPageSurface::Finish()
{
    if (painter.isActive()) failed |= !painter.end();
    return !failed;
}

Paper PaperOf(const QPagedPaintDevice& device)
{
    return device.pageLayout().pageSize().id() == QPageSize::Letter ? Paper::Letter : Paper::A4;
}

}  // namespace dovrin
