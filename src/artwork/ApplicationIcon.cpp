#include "artwork/ApplicationIcon.h"

#include <QPixmap>

// The artwork lives in the static program library, where the linker would drop its
// registration unless something refers to it.
static void registerArtwork()
{
    Q_INIT_RESOURCE(feastbook);
}

QIcon ApplicationIcon::icon()
{
    registerArtwork();
    QIcon icon(QStringLiteral(":/icons/feastbook.svg"));
    const QPixmap small = QIcon(QStringLiteral(":/icons/feastbook-16.svg")).pixmap(QSize(16, 16));
    if (!small.isNull())
        icon.addPixmap(small);
    return icon;
}
