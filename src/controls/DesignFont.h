#pragma once

#include <QFont>
#include <QStringList>

// The fonts of the original design at their pixel sizes at 96 dots per inch. Each names the
// designed face first and the common faces that stand in for it where it is not installed.
namespace DesignFont {

QFont make(const QStringList &families, QFont::StyleHint hint, int pixelSize, bool bold);

// A sans-serif design face (Arial, Tahoma, MS Sans Serif …), then Liberation Sans, whose widths
// are Arial's, and DejaVu Sans.
QFont sansSerif(const QString &family, int pixelSize, bool bold);

} // namespace DesignFont
