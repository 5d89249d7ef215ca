// Resolving "宋体" and judging the screen fonts by what they can draw.
#include "main_window/qt/grid_fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include "main_window/font_filter.h"

namespace dovrin {

QString ResolveSongTi()
{
    static const QString resolved = [] {
        const QString songTi = QStringLiteral("宋体");
        if (!QFontDatabase::hasFamily(songTi)) {
            QStringList standIns;
            for (const QString& family : {QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC")})
                if (QFontDatabase::hasFamily(family)) standIns << family;
            if (!standIns.isEmpty()) QFont::insertSubstitutions(songTi, standIns);
        }
        return QFontInfo(QFont(songTi)).family();
    }();
    return resolved;
}

bool ShowsCalendarText(const QString& family)
{
    if (IsSymbolFontName(family.toStdString())) return false;
    const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
    return systems.contains(QFontDatabase::SimplifiedChinese) && !systems.contains(QFontDatabase::Symbol);
}

}  // namespace dovrin
