#include "player/model/shipped_song_lists.h"

#include "midi/smf_image.h"
#include "platform/file_replace.h"
#include "player/model/song_list_folder.h"

namespace {

void CopyWholeFile(const std::string& from, const std::string& to) {
    std::uint8_t* image = nullptr;
    std::uint32_t size = 0;
    if (!LoadFileImage(from, &image, &size)) return;
    platform::ReplaceFileContents(to, std::string(reinterpret_cast<const char*>(image), size));
    FreeFileImage(image);
}

}  // namespace

std::string ShippedSongListFolder(const std::string& programFolder) {
    if (!FindSongListFiles(programFolder).empty()) return programFolder;
    return programFolder + "../share/tesalo/";
}

void InstallShippedSongLists(const std::string& folder, const std::string& programFolder) {
    if (!FindSongListFiles(folder).empty()) return;
    const std::string shipped = ShippedSongListFolder(programFolder);
    for (const std::string& name : FindSongListFiles(shipped)) {
        CopyWholeFile(shipped + name, folder + name);
    }
}
