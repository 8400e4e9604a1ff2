#include "tembrix/resources/Artwork.h"

#include <QFile>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerTembrixResources() {
    Q_INIT_RESOURCE(tembrix);
}

namespace tembrix {

void ensureArtwork() {
    if (!QFile::exists(QStringLiteral(":/tembrix/icon/tembrix.png")))
        registerTembrixResources();
}

ButtonPictures buttonPictures(const QString& name) {
    ensureArtwork();
    const QString base = QStringLiteral(":/tembrix/button/") + name;
    return {QPixmap(base + QStringLiteral("-rest.png")),
            QPixmap(base + QStringLiteral("-over.png")),
            QPixmap(base + QStringLiteral("-down.png"))};
}

QCursor linkCursor() {
    ensureArtwork();
    const QPixmap picture(QStringLiteral(":/tembrix/cursor/link.png"));
    if (picture.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(picture, kLinkCursorHotSpotX, kLinkCursorHotSpotY);
}

} // namespace tembrix
