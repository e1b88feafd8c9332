#include "midi/smf_image.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "midi/smf_event.h"
#include "midi/smf_merge.h"
#include "platform/msgbox.h"

namespace {

constexpr std::uint32_t kExtraZeros = 8;
constexpr std::uint16_t kMaxDivision = 960;
// A merged image can grow to twice the file; its size must still fit the int result.
constexpr std::uint32_t kMaxImageSize = 0x7FFFFFFF / 2;
constexpr std::uint8_t kHeaderTag[] = {'M', 'T', 'h', 'd'};

constexpr char16_t kNotRecognised[] = u"認識できない形式か,ﾌｧｲﾙが壊れています";
constexpr char16_t kBadDivision[] = u"無効な範囲のﾀｲﾑﾃﾞｨﾋﾞｼﾞｮﾝです";

void ShowRejection(const char16_t* reason) {
    platform::ShowMessageBox(std::u16string(u"SMFﾌｧｲﾙをﾛｰﾄﾞできませんでした\n") + reason, u"ERROR",
                             platform::kBoxOk | platform::kBoxIconError);
}

bool ReadAll(int file, std::uint8_t* buffer, std::uint32_t size) {
    std::uint32_t done = 0;
    while (done < size) {
        const ssize_t got = read(file, buffer + done, size - done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        done += static_cast<std::uint32_t>(got);
    }
    return true;
}

std::uint8_t* ReadOpenFile(int file, std::uint32_t* size) {
    struct stat info;
    if (fstat(file, &info) != 0 || !S_ISREG(info.st_mode)) return nullptr;
    if (info.st_size > static_cast<off_t>(UINT32_MAX - kExtraZeros)) return nullptr;
    const auto fileSize = static_cast<std::uint32_t>(info.st_size);
    auto* buffer = static_cast<std::uint8_t*>(std::calloc(fileSize + kExtraZeros, 1));
    if (buffer == nullptr) return nullptr;
    if (!ReadAll(file, buffer, fileSize)) {
        std::free(buffer);
        return nullptr;
    }
    *size = fileSize;
    return buffer;
}

// The library reads the header from the image start: a wrapper in front of "MThd" is cut off.
std::uint8_t* CutToHeader(const std::uint8_t* image, std::uint32_t size, std::uint32_t header,
                          std::uint32_t* newSize) {
    *newSize = size - header;
    auto* cut = static_cast<std::uint8_t*>(std::calloc(2 * std::size_t{*newSize}, 1));
    if (cut != nullptr) std::memcpy(cut, image + header, *newSize);
    return cut;
}

int ReplaceImage(std::uint8_t** image, std::uint32_t* size, std::uint8_t* fresh,
                 std::uint32_t freshSize) {
    if (fresh == nullptr) return -1;
    std::free(*image);
    *image = fresh;
    *size = freshSize;
    return static_cast<int>(freshSize);
}

}  // namespace

bool LoadFileImage(const std::string& path, std::uint8_t** image, std::uint32_t* size) {
    // Non-blocking so that a named pipe cannot hang the open; regular files ignore the flag.
    const int file = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0) return false;
    std::uint8_t* buffer = ReadOpenFile(file, size);
    close(file);
    if (buffer == nullptr) return false;
    *image = buffer;
    return true;
}

void FreeFileImage(std::uint8_t* image) { std::free(image); }

int PrepareSmfImage(std::uint8_t** image, std::uint32_t* size) {
    const std::uint8_t* begin = *image;
    const std::uint8_t* end = begin + *size;
    const std::uint8_t* found =
        *size <= kMaxImageSize ? std::search(begin, end, kHeaderTag, kHeaderTag + 4) : end;
    if (found == end) {
        ShowRejection(kNotRecognised);
        return -1;
    }
    const auto header = static_cast<std::uint32_t>(found - begin);
    // A division of 0 would divide by zero in the scan; time-code divisions have the top bit.
    const std::uint16_t division = ReadBig16(begin, *size, header + 12);
    if (division == 0 || division > kMaxDivision) {
        ShowRejection(kBadDivision);
        return -1;
    }
    const std::uint16_t format = ReadBig16(begin, *size, header + 8);
    std::uint32_t newSize = 0;
    if (format == 0) {
        if (header == 0) return 0;
        std::uint8_t* cut = CutToHeader(begin, *size, header, &newSize);
        return ReplaceImage(image, size, cut, newSize);
    }
    if (format != 1) return -1;
    std::uint8_t* merged = nullptr;
    newSize = MergeSmfTracks(begin, *size, header, &merged);
    return ReplaceImage(image, size, merged, newSize);
}
