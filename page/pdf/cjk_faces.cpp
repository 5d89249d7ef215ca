// The faces fontconfig knows, searched for one with the pages' Chinese characters.
#include "page/pdf/cjk_faces.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace dovrin {

bool HasCjkFace()
{
    // The characters of the weekday heads, the lunar day names and the days off.
    constexpr char32_t sample[] = U"星期日一二三四五六年月初十廿卅正腊冬闰节休班";
    // The configuration the drawing uses too (FONTCONFIG_FILE and the user's own included).
    if (!FcInit()) return false;
    const std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> any(FcPatternCreate(), FcPatternDestroy);
    const std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> objects(FcObjectSetBuild(FC_CHARSET, nullptr),
                                                                             FcObjectSetDestroy);
    const std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> fonts(FcFontList(nullptr, any.get(), objects.get()),
                                                                       FcFontSetDestroy);
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        FcCharSet* characters = nullptr;
        if (FcPatternGetCharSet(fonts->fonts[i], FC_CHARSET, 0, &characters) != FcResultMatch) continue;
        bool all = true;
        for (const char32_t* c = sample; all && *c; ++c) all = FcCharSetHasChar(characters, *c) != 0;
        if (all) return true;
    }
    return false;
}

}  // namespace dovrin
