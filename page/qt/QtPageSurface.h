// The pages on a Qt paint device with pages: a printer, or Qt's PDF writer.
#pragma once

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>

#include "page/page_surface.h"
#include "page/pages.h"

namespace dovrin {

class QtPageSurface final : public PageSurface {
public:
    // `family` draws every text; `device` is laid out page by page at the sizes the layout asks.
    QtPageSurface(QPagedPaintDevice& device, const QString& family);
    ~QtPageSurface() override;

    void NewPage(float width, float height) override;
    void ForeColor(Rgb colour) override;
    void Line(float x1, float y1, float x2, float y2) override;
    void FilledBox(float x1, float y1, float x2, float y2) override;
    void Font(float size, bool bold) override;
    void Print(float x, float y, const std::string& text) override;
    float TextWidth(const std::string& text) const override;
    float TextHeight() const override;
    bool Finish() override;

private:
    QPointF At(float x, float y) const;

    QPagedPaintDevice& device;
    QPainter painter;
    QFont font;
    QColor colour = Qt::black;
    double scale = 1;  // device units a point
    bool failed = false;
};

// The paper the device is set to, as the layout knows it: Letter, else A4.
Paper PaperOf(const QPagedPaintDevice& device);

}  // namespace dovrin
