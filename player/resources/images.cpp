#include "player/resources/images.h"

#include <QString>

// Outside every namespace: the resource's init function is declared where the macro stands.
static void AddImageResources() { Q_INIT_RESOURCE(playerimages); }

namespace {

// The pictures live in this static library's object files; touching the init function keeps
// the linker from dropping them and registers them before the first look-up.
void EnsureResources() {
    static const bool added = (AddImageResources(), true);
    (void)added;
}

QString ResourcePath(const QString& file) { return QStringLiteral(":/images/") + file; }

QString ResourcePath(const ImageEntry& entry) {
    return ResourcePath(QString::fromLatin1(entry.file));
}

}  // namespace

const ImageEntry* FindImage(int id) {
    for (const ImageEntry& entry : kImages) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

QImage PlayerImage(int id, qreal pixelRatio) {
    const ImageEntry* entry = FindImage(id);
    if (entry == nullptr) return QImage();
    EnsureResources();
    if (qRound(pixelRatio) < 2) return QImage(ResourcePath(*entry));
    QImage twice(ResourcePath(TwiceSizeFile(*entry)));
    twice.setDevicePixelRatio(2);
    return twice;
}

QPixmap PlayerPixmap(int id, qreal pixelRatio) {
    return QPixmap::fromImage(PlayerImage(id, pixelRatio));
}

QIcon PlayerIcon(int id) {
    EnsureResources();
    QIcon icon;
    for (const ImageEntry& entry : kImages) {
        if (entry.id == id) icon.addFile(ResourcePath(entry), QSize(entry.width, entry.height));
    }
    return icon;
}
