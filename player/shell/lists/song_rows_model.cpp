#include "player/shell/lists/song_rows_model.h"

#include <QByteArray>
#include <QIcon>
#include <QMimeData>

#include "player/model/row_removal.h"
#include "player/resources/images.h"

namespace {

// The pictures by number: their icons among the player's images.
constexpr int kPictures[] = {
    kImageRowNormal,
    kImageRowPlaying,
    kImageRowTitle,  // title mark
    kImageRowFailed,
};

QVariant DisplayText(const SongRow& row, int column) {
    const std::optional<std::u16string> text = CellText(row, column);
    return text ? QVariant(QString::fromStdU16String(*text)) : QVariant();
}

QVariant CellData(const SongRow& row, int place, int column, int role) {
    const int picture = CellPicture(row, column);
    switch (role) {
        case Qt::DisplayRole: return DisplayText(row, column);
        case Qt::DecorationRole:
            return picture < 0 ? QVariant() : QVariant(PlayerIcon(kPictures[picture]));
        case kPictureRole: return picture < 0 ? QVariant() : QVariant(picture);
        case kRowOrderRole: return column == kColumnState ? QVariant(place) : QVariant();
        case kPathBytesRole:
            return column == kColumnFileName ? QVariant(QByteArray::fromStdString(row.path))
                                             : QVariant();
        case Qt::TextAlignmentRole:
            return column == kColumnTime ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
        default: return QVariant();
    }
}

// Whether every selected row of selection is a deleted one (places: -1 for those).
bool OnlyChosenSelected(const QItemSelectionModel& selection, const std::vector<int>& places) {
    for (const QItemSelectionRange& range : selection.selection()) {
        if (!AllDeleted(places, range.top(), range.bottom())) return false;
    }
    return true;
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

void SongRowsModel::Remove(const RowFlags& chosen, QItemSelectionModel* selection) {
    const std::vector<int> places = RemovalPlaces(chosen, rows_.Count());
    if (places.empty()) return;
    const QModelIndex current = selection != nullptr ? selection->currentIndex() : QModelIndex();
    const int focus = current.isValid() ? KeptRowNear(places, current.row()) : -1;
    // When every selected row goes (the Delete command), no selected row needs to follow the
    // change: the selection is emptied first rather than carried row by row through it.
    if (selection != nullptr && OnlyChosenSelected(*selection, places)) selection->clearSelection();
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    MovePersistentIndexes(places);
    rows_.Remove(chosen);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    if (current.isValid() && places[static_cast<std::size_t>(current.row())] < 0) {
        selection->setCurrentIndex(focus < 0 ? QModelIndex() : index(focus, current.column()),
                                   QItemSelectionModel::NoUpdate);
    }
}

bool SongRowsModel::MoveBlocks(RowFlags& chosen, int step) {
    return Reorder([&] { return rows_.MoveBlocks(chosen, step); });
}

bool SongRowsModel::Reorder(const std::function<std::vector<int>()>& reorder) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<int> places = reorder();
    if (!places.empty()) MovePersistentIndexes(places);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    return !places.empty();
}

void SongRowsModel::MovePersistentIndexes(const std::vector<int>& places) {
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before) {
        const int place = places[static_cast<std::size_t>(old.row())];
        after.push_back(place < 0 ? QModelIndex() : index(place, old.column()));
    }
    changePersistentIndexList(before, after);
}

int SongRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_.Count();
}

int SongRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kSongColumns;
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
    const char16_t* label = ColumnLabel(section);
    return label != nullptr ? QVariant(QString::fromUtf16(label)) : QVariant();
}

Qt::ItemFlags SongRowsModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::ItemIsDropEnabled;
    return QAbstractTableModel::flags(index) | Qt::ItemIsDragEnabled;
}

Qt::DropActions SongRowsModel::supportedDropActions() const { return Qt::MoveAction; }

QStringList SongRowsModel::mimeTypes() const { return {QString::fromLatin1(kDraggedRowsType)}; }

QMimeData* SongRowsModel::mimeData(const QModelIndexList& indexes) const {
    RowFlags chosen(static_cast<std::size_t>(rows_.Count()));
    for (const QModelIndex& index : indexes) {
        if (rows_.Holds(index.row())) chosen[static_cast<std::size_t>(index.row())] = 1;
    }
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kDraggedRowsType),
                  QByteArray::fromStdString(EncodeDraggedRows(chosen)));
    return data;
}

bool SongRowsModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                 const QModelIndex& parent) {
    if (action == Qt::IgnoreAction) return true;
    if (action != Qt::MoveAction || data == nullptr) return false;
    RowFlags chosen = DecodeDraggedRows(
        data->data(QString::fromLatin1(kDraggedRowsType)).toStdString(), rows_.Count());
    if (chosen.empty()) return false;
    if (dragHooks_.mayMove && !dragHooks_.mayMove()) return false;
    const int target = parent.isValid() ? parent.row() : row;
    std::vector<int> places;
    Reorder([&] { return places = rows_.MoveTo(chosen, target); });
    if (!places.empty() && dragHooks_.moved) dragHooks_.moved(places);
    return true;
}
