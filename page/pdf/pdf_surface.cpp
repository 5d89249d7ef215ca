// Pages as PDF through cairo and Pango: vector text, the Chinese faces embedded as subsets.
#include "page/pdf/pdf_surface.h"

#include <cairo-pdf.h>
#include <pango/pangocairo.h>

#include <memory>

#include "page/pdf/cjk_faces.h"

namespace dovrin {
namespace {

// The faces of the grid on screen: a Ming face, AR PL UMing, else Noto Serif CJK.
constexpr const char* Families = "AR PL UMing CN,Noto Serif CJK SC,serif";

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

class PdfSurface final : public PageSurface {
public:
    explicit PdfSurface(std::string* out)
        : surface(cairo_pdf_surface_create_for_stream(Append, out, 595, 842)),
          cr(cairo_create(surface)),
          layout(pango_cairo_create_layout(cr)),
          font(pango_font_description_from_string(Families))
    {
        cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "dovrin-cal");
        // Metrics in points, unhinted, so that what is measured is what is drawn.
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
        pango_cairo_context_set_font_options(pango_layout_get_context(layout), options);
        cairo_font_options_destroy(options);
        pango_layout_set_single_paragraph_mode(layout, TRUE);
    }

    ~PdfSurface() override
    {
        pango_font_description_free(font);
        g_object_unref(layout);
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }

    void NewPage(float width, float height) override
    {
        if (pages++ > 0) cairo_show_page(cr);
        cairo_pdf_surface_set_size(surface, width, height);
    }

    void ForeColor(Rgb colour) override
    {
        cairo_set_source_rgb(cr, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0);
    }

    void Line(float x1, float y1, float x2, float y2) override
    {
        cairo_set_line_width(cr, 0.5);
        cairo_move_to(cr, x1, y1);
        cairo_line_to(cr, x2, y2);
        cairo_stroke(cr);
    }

    void FilledBox(float x1, float y1, float x2, float y2) override
    {
        cairo_rectangle(cr, x1, y1, x2 - x1, y2 - y1);
        cairo_fill(cr);
    }

    void Font(float size, bool bold) override
    {
        pango_font_description_set_absolute_size(font, size * PANGO_SCALE);
        pango_font_description_set_weight(font, bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
        pango_layout_set_font_description(layout, font);
        lineHeight = -1;
    }

    void Print(float x, float y, const std::string& text) override
    {
        const float ascent = Ascent();  // measured on a sample text: before this text is set
        pango_layout_set_text(layout, text.data(), static_cast<int>(text.size()));
        // Every line shares the baseline of the Chinese sample, whatever faces it needs.
        const double baseline = pango_layout_get_baseline(layout) / double(PANGO_SCALE);
        cairo_move_to(cr, x, y + ascent - baseline);
        pango_cairo_show_layout(cr, layout);
    }

    float TextWidth(const std::string& text) const override
    {
        pango_layout_set_text(layout, text.data(), static_cast<int>(text.size()));
        PangoRectangle logical;
        pango_layout_get_extents(layout, nullptr, &logical);
        return static_cast<float>(logical.width) / PANGO_SCALE;
    }

    float TextHeight() const override
    {
        if (lineHeight < 0) Measure();
        return lineHeight;
    }

    bool Finish() override
    {
        cairo_surface_finish(surface);
        return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS && cairo_status(cr) == CAIRO_STATUS_SUCCESS;
    }

private:
    float Ascent() const
    {
        if (lineHeight < 0) Measure();
        return lineAscent;
    }

    // The ink-free line box of Chinese and digits: the largest ascent and descent of the
    // faces that draw the sample.
    void Measure() const
    {
        pango_layout_set_text(layout, "星期 0123456789", -1);
        PangoRectangle logical;
        pango_layout_get_extents(layout, nullptr, &logical);
        lineAscent = static_cast<float>(pango_layout_get_baseline(layout)) / PANGO_SCALE;
        lineHeight = static_cast<float>(logical.height) / PANGO_SCALE;
    }

    cairo_surface_t* surface;
    cairo_t* cr;
    PangoLayout* layout;
    PangoFontDescription* font;
    int pages = 0;
    mutable float lineHeight = -1;
    mutable float lineAscent = 0;
};

}  // namespace
}  // namespace dovrin

extern "C" __attribute__((visibility("default"))) dovrin::PageSurface* DovrinNewPdfSurface(std::string* out)
{
    return new dovrin::PdfSurface(out);
}

extern "C" __attribute__((visibility("default"))) bool DovrinHasCjkFace()
{
    return dovrin::HasCjkFace();
}
