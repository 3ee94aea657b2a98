#include "controls/DesignFont.h"

namespace DesignFont {

QFont make(const QStringList &families, QFont::StyleHint hint, int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont sansSerif(const QString &family, int pixelSize, bool bold)
{
    return make({family, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, QFont::SansSerif, pixelSize,
                bold);
}

} // namespace DesignFont
