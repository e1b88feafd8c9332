#include "player/resources/images.h"

#include <QString>

// Outside every namespace: the resource's init function is declared where the macro stands.
static void AddImageResources() {
    Q_INIT_RESOURCE(playerimages);
}

namespace {

// The pictures live in this static library's object files; touching the init function keeps
// the linker from dropping them and registers them before the first look-up.
void EnsureResources() {
    static const bool added = (AddImageResources(), true);
    (void)added;
}

QString ResourcePath(const ImageEntry& entry) {
    return QStringLiteral(":/images/") + QString::fromLatin1(entry.file);
}

}  // namespace

const ImageEntry* FindImage(int id) {
    for (const ImageEntry& entry : kImages) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

QImage PlayerImage(int id) {
    const ImageEntry* entry = FindImage(id);
    if (entry == nullptr) return QImage();
    EnsureResources();
    return QImage(ResourcePath(*entry));
}

QPixmap PlayerPixmap(int id) {
    return QPixmap::fromImage(PlayerImage(id));
}

QIcon PlayerIcon(int id) {
    EnsureResources();
    QIcon icon;
    for (const ImageEntry& entry : kImages) {
        if (entry.id == id) icon.addFile(ResourcePath(entry), QSize(entry.width, entry.height));
    }
    return icon;
}
