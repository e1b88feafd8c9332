#include "player/shell/desktop/file_url.h"

namespace {

bool KeptAsIs(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
           (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' ||
           byte == '~' || byte == '/';
}

}  // namespace

QString FileUrl(const std::string& path) {
    if (path.empty()) return {};
    static constexpr char kHex[] = "0123456789ABCDEF";
    QString url = QStringLiteral("file://");
    if (path.front() != '/') url += QLatin1Char('/');
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (KeptAsIs(byte)) {
            url += QLatin1Char(c);
        } else {
            url += QLatin1Char('%');
            url += QLatin1Char(kHex[byte >> 4]);
            url += QLatin1Char(kHex[byte & 0x0F]);
        }
    }
    return url;
}

std::optional<std::string> FilePathOf(const QString& url) {
    const QByteArray text = url.toUtf8();
    for (const char* prefix : {"file://localhost/", "file:///"}) {
        const QByteArray start(prefix);
        if (!text.startsWith(start)) continue;
        const QByteArray path = QByteArray::fromPercentEncoding(text.mid(start.size() - 1));
        if (path.contains('\0')) return std::nullopt;
        return path.toStdString();
    }
    return std::nullopt;
}
