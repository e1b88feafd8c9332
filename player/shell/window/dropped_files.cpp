#include "player/shell/window/dropped_files.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>
#include <system_error>

#include <QByteArray>
#include <QStringView>

#include "platform/codepage.h"

namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 4> kSongSuffixes = {".mid", ".midi", ".kar", ".rmi"};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EndsWithIgnoringCase(const std::string& name, std::string_view suffix) {
    if (name.size() <= suffix.size()) return false;
    const std::string_view tail = std::string_view(name).substr(name.size() - suffix.size());
    return std::equal(tail.begin(), tail.end(), suffix.begin(),
                      [](char a, char b) { return Lower(a) == b; });
}

bool IsSongName(const std::string& name) {
    return std::any_of(
        kSongSuffixes.begin(), kSongSuffixes.end(),
        [&name](std::string_view suffix) { return EndsWithIgnoringCase(name, suffix); });
}

bool NameBefore(const std::string& a, const std::string& b) {
    const std::u16string shownA = platform::DecodeSystemText(a.data(), a.size());
    const std::u16string shownB = platform::DecodeSystemText(b.data(), b.size());
    const int order = QStringView(shownA).compare(QStringView(shownB), Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
}

// The song files of the folder, by name; a folder that cannot be read gives none.
std::vector<std::string> FolderSongs(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code kind;
        const std::string name = it->path().filename().native();
        if (it->is_regular_file(kind) && IsSongName(name)) names.push_back(name);
    }
    std::sort(names.begin(), names.end(), NameBefore);
    const std::string prefix = folder.back() == '/' ? folder : folder + '/';
    for (std::string& name : names) name.insert(0, prefix);
    return names;
}

}  // namespace

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
    std::vector<std::string> songs;
    for (const std::string& path : paths) {
        std::error_code error;
        if (!fs::is_directory(path, error)) {
            songs.push_back(path);
            continue;
        }
        const std::vector<std::string> inFolder = FolderSongs(path);
        songs.insert(songs.end(), inFolder.begin(), inFolder.end());
    }
    return songs;
}
