#include "player/model/row_cells.h"

#include "midi/play_time.h"
#include "platform/codepage.h"

int MarkPicture(RowMark mark) {
    switch (mark) {
        case RowMark::kPlaying: return kPicturePlaying;
        case RowMark::kRefused: return kPictureFailed;
        case RowMark::kNormal: break;
    }
    return kPictureNormal;
}

int CellPicture(const SongRow& row, int column) {
    if (column == kColumnState) return MarkPicture(row.mark);
    return column == kColumnTitle ? kPictureTitleMark : -1;
}

std::optional<std::u16string> CellText(const SongRow& row, int column) {
    switch (column) {
        case kColumnTitle: return row.title;
        case kColumnTime: return FormatPlayTime(row.seconds);
        case kColumnFileName: return platform::DecodeTextByBytes(row.path.data(), row.path.size());
        default: return std::nullopt;
    }
}

const char16_t* ColumnLabel(int column) {
    static const char16_t* const kLabels[] = {u"", u"Title", u"Time", u"FileName"};
    return column >= 0 && column < kSongColumns ? kLabels[column] : nullptr;
}
