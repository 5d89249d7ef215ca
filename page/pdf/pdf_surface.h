// The PDF output of the pages, kept in a module of its own that only `--pdf` loads, so that
// the other commands of the terminal program start without cairo, Pango and their fonts.
#pragma once

#include <string>

#include "page/page_surface.h"

namespace dovrin {

// The module's one entry point, looked up by this name: a surface whose pages become a PDF
// document in `out` once Finish has returned true. The caller deletes the surface.
using NewPdfSurfaceFunction = PageSurface* (*)(std::string* out);
inline constexpr const char* NewPdfSurfaceSymbol = "DovrinNewPdfSurface";

// HasCjkFace of page/pdf/cjk_faces.h, asked before a page is drawn.
using HasCjkFaceFunction = bool (*)();
inline constexpr const char* HasCjkFaceSymbol = "DovrinHasCjkFace";

}  // namespace dovrin
