#include "artwork/ApplicationIcon.h"

#include "artwork/DeferredIconEngine.h"

#include <QPixmap>

// The icon files live in the static artwork library, where the linker would drop their
// registration unless something refers to it.
static void registerArtwork()
{
    Q_INIT_RESOURCE(feastbook);
}

namespace {

QIcon drawn()
{
    registerArtwork();
    QIcon icon(QStringLiteral(":/icons/feastbook.svg"));
    const QPixmap small = QIcon(QStringLiteral(":/icons/feastbook-16.svg")).pixmap(QSize(16, 16));
    if (!small.isNull())
        icon.addPixmap(small);
    return icon;
}

} // namespace

QIcon ApplicationIcon::icon()
{
    return QIcon(new DeferredIconEngine(&drawn));
}
