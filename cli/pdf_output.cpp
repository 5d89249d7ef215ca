// dovrin-cal --pdf: the pages laid out here, drawn by the PDF module loaded for them alone.
#include "pdf_output.h"

#include <memory>

#include "calendar/span.h"
#include "resources/messages.h"
#include "resources/user_file.h"
#include "page/pdf/cjk_faces.h"
#include "page/pdf/pdf_surface.h"
#include "module_loader.h"

namespace dovrin::cli {
namespace {

// A year or a month: at most four digits.
bool ParseWhole(const std::string& text, std::int32_t& value)
{
    return text.size() <= 4 && ParseDigits(text, value);
}

// The module's entry points.
struct PdfModule {
    NewPdfSurfaceFunction create = nullptr;
    HasCjkFaceFunction hasCjkFace = nullptr;
};

// The module's entry points, or null ones with `why` naming each place tried.
PdfModule OpenModule(std::string& why)
{
    const std::vector<void*> found = LoadModule("dovrin-pdf.so", {NewPdfSurfaceSymbol, HasCjkFaceSymbol}, why);
    if (found.empty()) return {};
    return {reinterpret_cast<NewPdfSurfaceFunction>(found[0]), reinterpret_cast<HasCjkFaceFunction>(found[1])};
}

}  // namespace

std::string ReadPaper(const std::string& text, Paper& paper)
{
    if (text == "a4") paper = Paper::A4;
    else if (text == "letter") paper = Paper::Letter;
    else return Format(_("--paper takes a4 or letter, not '{1}'"), {text});
    return {};
}

std::string ParsePdfArguments(const std::vector<std::string>& positional, CivilDate today, PdfRequest& request)
{
    if (positional.size() > 2) return _("--pdf takes a file, then at most a year and a month");
    request.year = today.year;
    request.month = 0;
    // YEAR MONTH or MONTH YEAR, as the month views take them: the year has four digits.
    const bool swapped = positional.size() == 2 && positional[1].size() == 4 && positional[0].size() < 4;
    const std::string& yearText = positional.empty() ? std::string() : positional[swapped ? 1 : 0];
    const std::string& monthText = positional.size() < 2 ? std::string() : positional[swapped ? 0 : 1];
    if (!positional.empty() && !ParseWhole(yearText, request.year)) return Format(_("'{1}' is not a year"), {yearText});
    if (positional.size() == 2 && (!ParseWhole(monthText, request.month) || request.month < 1 || request.month > 12))
        return Format(_("'{1}' is not a month; valid months are 1..12"), {monthText});
    // Whole months of the covered days only: a page is never half empty.
    const std::int32_t firstMonth =
        MonthIndex(FirstCoveredDay.year, FirstCoveredDay.month) + (FirstCoveredDay.day == 1 ? 0 : 1);
    const std::int32_t lastMonth =
        MonthIndex(LastCoveredDay.year, LastCoveredDay.month) -
        (LastCoveredDay.day == DaysInMonth(LastCoveredDay.year, LastCoveredDay.month) ? 0 : 1);
    const std::int32_t asked = MonthIndex(request.year, request.month == 0 ? 1 : request.month);
    const bool inside = request.month == 0 ? request.year >= FirstWholeYear && request.year <= LastWholeYear
                                           : asked >= firstMonth && asked <= lastMonth;
    if (!inside)
        return Format(_("--pdf prints the years {1}, and the months {2} to {3}"),
                      {std::to_string(FirstWholeYear) + ".." + std::to_string(LastWholeYear), MonthText(firstMonth),
                       MonthText(lastMonth)});
    return {};
}

int WritePdf(const PdfRequest& request, const RestDays& restDays, const std::vector<MyDay>& myDays, std::string& out,
             std::string& err)
{
    std::string why;
    // The module stays loaded to the end of the process: Pango and fontconfig keep their
    // caches in their own globals and register types with GLib, none of which may be unmapped
    // while the process runs.
    const PdfModule module = OpenModule(why);
    if (!module.create) {
        err += Format(_("dovrin-cal: {1}"), {Format(_("the PDF output cannot be loaded: {1}"), {why})}) + "\n";
        return 1;
    }
    // Without a face for the Chinese text the page would show boxes in its place.
    if (!module.hasCjkFace()) {
        err += Format(_("dovrin-cal: {1}"),
                     {Format(_("no font with Chinese characters is installed, and the page would show boxes "
                               "in their place; install {1}; nothing was written"),
                             {CjkFontPackages})}) +
              "\n";
        return 1;
    }
    const NewPdfSurfaceFunction create = module.create;
    std::string pdf;
    bool made = false;
    {
        const std::unique_ptr<PageSurface> surface(create(&pdf));
        if (request.month == 0) DrawYearPage(*surface, request.paper, request.year, restDays, myDays);
        else DrawMonthPage(*surface, request.paper, request.year, request.month, restDays, myDays);
        made = surface->Finish();
    }
    if (!made) {
        err += Format(_("dovrin-cal: {1}"), {_("the PDF could not be made")}) + "\n";
        return 1;
    }
    if (request.file == "-") {
        out = std::move(pdf);
        return 0;
    }
    // As every file of ours: a temporary file renamed over the old one, so that a full disk
    // or a kill leaves a PDF already there whole.
    if (why = WriteUserFile(request.file, pdf, false, false); !why.empty()) {
        err += Format(_("dovrin-cal: {1}"), {why}) + "\n";
        return 1;
    }
    return 0;
}

}  // namespace dovrin::cli
