#include "player/shell/window/dropped_files.h"

#include <QByteArray>

#include "player/shell/lists/string_list.h"

std::vector<std::string> LocalFilePaths(const QList<QUrl>& urls) {
    std::vector<std::string> paths;
    for (const QUrl& url : urls) {
        const QString host = url.host();
        if (!url.isValid() || url.scheme() != QStringLiteral("file")) continue;
        if (!host.isEmpty() && host != QStringLiteral("localhost")) continue;
        // Decoded from the URL's own escapes: the bytes of a name that is no UTF-8 stay as they
        // are.
        const QByteArray path =
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        if (!path.isEmpty() && !path.contains('\0')) paths.push_back(path.toStdString());
    }
    return paths;
}

std::vector<std::string> DroppedSongPaths(const std::vector<std::string>& paths) {
    return DroppedSongPaths(paths, CompareIgnoringCase);
}
