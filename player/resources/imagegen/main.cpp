// imagegen: draws the player's pictures. Usage: imagegen FOLDER
// Writes two PNGs per row of the picture table, name.png and name@2x.png, and images.qrc
// listing them, last, so the resource compiler never sees a list of pictures that are not all
// there.
#include <cstdio>
#include <stdexcept>

#include <QFile>
#include <QString>

#include "player/resources/imagegen/image_set.h"
#include "player/resources/images.h"

namespace {

bool WritePicture(const QString& path, const QImage& picture) {
    if (picture.save(path, "PNG")) return true;
    std::fprintf(stderr, "imagegen: %s: cannot be written\n", qPrintable(path));
    return false;
}

// Each row at its size and at twice its size.
bool WritePictures(const QString& folder) {
    for (const ImageEntry& entry : kImages) {
        if (!WritePicture(folder + "/" + entry.file, DrawImage(entry)) ||
            !WritePicture(folder + "/" + TwiceSizeFile(entry), DrawImage(entry, 2))) {
            return false;
        }
    }
    return true;
}

bool WriteResourceList(const QString& folder) {
    QByteArray text = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/images\">\n";
    for (const ImageEntry& entry : kImages) {
        text += QByteArray("  <file>") + entry.file + "</file>\n";
        text += "  <file>" + TwiceSizeFile(entry).toLatin1() + "</file>\n";
    }
    text += "</qresource>\n</RCC>\n";
    QFile file(folder + "/images.qrc");
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        std::fprintf(stderr, "imagegen: %s: cannot be written\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: imagegen FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    try {
        if (!WritePictures(folder) || !WriteResourceList(folder)) return 1;
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "imagegen: %s\n", error.what());
        return 1;
    }
    return 0;
}
