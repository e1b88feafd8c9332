#include "player/shell/lists/song_rows_model.h"

#include <QByteArray>
#include <QIcon>

#include <algorithm>

#include "midi/play_time.h"
#include "platform/codepage.h"
#include "player/resources/images.h"

namespace {

// The pictures by number: their icons among the player's images.
constexpr int kPictures[] = {
    kImageRowNormal,
    kImageRowPlaying,
    kImageRowTitle,  // title mark
    kImageRowFailed,
};

int MarkPicture(RowMark mark) {
    switch (mark) {
        case RowMark::kPlaying: return kPicturePlaying;
        case RowMark::kRefused: return kPictureFailed;
        case RowMark::kNormal: break;
    }
    return kPictureNormal;
}

// The picture of a cell; -1 for the cells without one.
int CellPicture(const SongRow& row, int column) {
    if (column == kColumnState) return MarkPicture(row.mark);
    return column == kColumnTitle ? kPictureTitleMark : -1;
}

QVariant CellText(const SongRow& row, int column) {
    switch (column) {
        case kColumnTitle: return QString::fromStdU16String(row.title);
        case kColumnTime: return QString::fromStdU16String(FormatPlayTime(row.seconds));
        case kColumnFileName:
            return QString::fromStdU16String(platform::DecodeTextByBytes(row.path.data(), row.path.size()));
        default: return QVariant();
    }
}

QVariant CellData(const SongRow& row, int place, int column, int role) {
    const int picture = CellPicture(row, column);
    switch (role) {
        case Qt::DisplayRole: return CellText(row, column);
        case Qt::DecorationRole: return picture < 0 ? QVariant() : QVariant(PlayerIcon(kPictures[picture]));
        case kPictureRole: return picture < 0 ? QVariant() : QVariant(picture);
        case kRowOrderRole: return column == kColumnState ? QVariant(place) : QVariant();
        case kPathBytesRole:
            return column == kColumnFileName ? QVariant(QByteArray::fromStdString(row.path)) : QVariant();
        case Qt::TextAlignmentRole:
            return column == kColumnTime ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
        default: return QVariant();
    }
}

}  // namespace

void SongRowsModel::Assign(const std::vector<SongListSong>& songs) {
    beginResetModel();
    rows_.Assign(songs);
    endResetModel();
}

void SongRowsModel::Append(const std::vector<SongListSong>& songs) {
    if (songs.empty()) return;
    const int first = rows_.Count();
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(songs.size()) - 1);
    rows_.Append(songs);
    endInsertRows();
}

void SongRowsModel::SetMark(int row, RowMark mark) {
    if (!rows_.Holds(row) || rows_.Row(row).mark == mark) return;
    rows_.SetMark(row, mark);
    emit dataChanged(index(row, kColumnState), index(row, kColumnState));
}

void SongRowsModel::ResetMarks() {
    if (rows_.Count() == 0) return;
    rows_.ResetMarks();
    emit dataChanged(index(0, kColumnState), index(rows_.Count() - 1, kColumnState));
}

void SongRowsModel::RemoveRange(int first, int last) {
    beginRemoveRows(QModelIndex(), first, last);
    rows_.RemoveRange(first, last);
    endRemoveRows();
}

void SongRowsModel::Remove(const RowFlags& chosen) {
    // Block by block from the end: the places of the blocks before stay as they were.
    for (int row = std::min(rows_.Count(), static_cast<int>(chosen.size())) - 1; row >= 0; --row) {
        if (!chosen[static_cast<std::size_t>(row)]) continue;
        const int last = row;
        while (row > 0 && chosen[static_cast<std::size_t>(row - 1)]) --row;
        RemoveRange(row, last);
    }
}

bool SongRowsModel::MoveBlocks(RowFlags& chosen, int step) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<int> places = rows_.MoveBlocks(chosen, step);
    if (!places.empty()) {
        const QModelIndexList before = persistentIndexList();
        QModelIndexList after;
        after.reserve(before.size());
        for (const QModelIndex& old : before) {
            after.push_back(index(places[static_cast<std::size_t>(old.row())], old.column()));
        }
        changePersistentIndexList(before, after);
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    return !places.empty();
}

int SongRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_.Count();
}

int SongRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 4;
}

QVariant SongRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !rows_.Holds(index.row())) return QVariant();
    return CellData(rows_.Row(index.row()), index.row(), index.column(), role);
}

QVariant SongRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return QVariant();
    if (role == Qt::TextAlignmentRole && section == kColumnTime) {
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) return QVariant();
    static const char* const kLabels[] = {"", "Title", "Time", "FileName"};
    return section >= 0 && section < 4 ? QString::fromLatin1(kLabels[section]) : QVariant();
}
