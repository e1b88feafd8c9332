#include "player/shell/lists/song_list_view.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeView>

namespace {

constexpr int kPictureSize = 16;
constexpr int kStateColumnWidth = 18;

// The view draws no grid of its own: each cell draws its right and bottom edges.
class GridLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Midlight));
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->restore();
    }
};

void ShowSelectionWithoutFocus(QTreeView* listView) {
    QPalette palette = listView->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    }
    listView->setPalette(palette);
}

// The file name, the last column, takes the room the others leave: a width given to it would be
// the least it keeps, wider than a smaller window.
void SetColumns(QTreeView* listView, int colTitle, int colTime) {
    listView->header()->setStretchLastSection(true);
    // The style's minimum is wider than the state column.
    listView->header()->setMinimumSectionSize(kStateColumnWidth);
    listView->setColumnWidth(kColumnState, kStateColumnWidth);
    listView->setColumnWidth(kColumnTitle, colTitle);
    listView->setColumnWidth(kColumnTime, colTime);
}

// Rows are dragged to a new place within the list; the window takes the files dropped on it.
void AllowRowDrags(QTreeView* listView) {
    listView->setDragDropMode(QAbstractItemView::InternalMove);
    listView->setDefaultDropAction(Qt::MoveAction);
    listView->setDropIndicatorShown(true);
    listView->viewport()->setAcceptDrops(true);
}

}  // namespace

void SetupSongListView(QTreeView* listView, int colTitle, int colTime) {
    listView->setObjectName(QStringLiteral("id1000"));
    if (ShownRows(listView) == nullptr) listView->setModel(new SongRowsModel(listView));
    SetColumns(listView, colTitle, colTime);
    listView->setRootIsDecorated(false);
    listView->setItemsExpandable(false);
    listView->setUniformRowHeights(true);
    listView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    listView->setSelectionBehavior(QAbstractItemView::SelectRows);
    listView->setAllColumnsShowFocus(true);
    listView->setIconSize(QSize(kPictureSize, kPictureSize));
    listView->setItemDelegate(new GridLineDelegate(listView));
    ShowSelectionWithoutFocus(listView);
    AllowRowDrags(listView);
}

SongRowsModel* ShownRows(const QTreeView* listView) {
    return dynamic_cast<SongRowsModel*>(listView->model());
}

int RowCount(const QTreeView* listView) { return ShownRows(listView)->Rows().Count(); }

void AppendSongRow(QTreeView* listView, const SongListSong& song) {
    ShownRows(listView)->Append({song});
}

std::string RowPath(const QTreeView* listView, int row) {
    return ShownRows(listView)->Rows().Row(row).path;
}

std::vector<SongListSong> ShownSongs(const QTreeView* listView) {
    return ShownRows(listView)->Rows().Songs();
}

int FocusedRow(const QTreeView* listView) {
    const QModelIndex current = listView->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

RowFlags SelectedRows(const QTreeView* listView) {
    RowFlags flags(static_cast<std::size_t>(RowCount(listView)));
    for (const QItemSelectionRange& range : listView->selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            if (row >= 0 && row < static_cast<int>(flags.size()))
                flags[static_cast<std::size_t>(row)] = 1;
        }
    }
    return flags;
}

void FocusRow(QTreeView* listView, int row, bool select) {
    const QModelIndex index = listView->model()->index(row, 0);
    listView->selectionModel()->setCurrentIndex(
        index, select ? QItemSelectionModel::Select | QItemSelectionModel::Rows
                      : QItemSelectionModel::NoUpdate);
}

void DeselectRow(QTreeView* listView, int row) {
    listView->selectionModel()->select(listView->model()->index(row, 0),
                                       QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
}

void ShowRow(QTreeView* listView, int row) {
    listView->scrollTo(listView->model()->index(row, 0), QAbstractItemView::EnsureVisible);
}
