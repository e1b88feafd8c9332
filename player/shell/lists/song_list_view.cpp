#include "player/shell/lists/song_list_view.h"

#include <QByteArray>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include <iterator>

#include "platform/codepage.h"
#include "midi/play_time.h"
#include "player/resources/images.h"

namespace {

constexpr int kPictureSize = 16;
constexpr int kStateColumnWidth = 18;

// The pictures by number: their icons among the player's images.
constexpr int kPictures[] = {
    kImageRowNormal,
    kImageRowPlaying,
    kImageRowTitle,  // title mark
    kImageRowFailed,
};

QIcon PictureIcon(int picture) { return PlayerIcon(kPictures[picture]); }

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

void ShowSelectionWithoutFocus(QTreeWidget* listView) {
    QPalette palette = listView->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    }
    listView->setPalette(palette);
}

void SetColumns(QTreeWidget* listView, int colTitle, int colTime, int colFileTime) {
    listView->setColumnCount(4);
    listView->setHeaderLabels({QString(), QStringLiteral("Title"), QStringLiteral("Time"),
                               QStringLiteral("FileName")});
    listView->headerItem()->setTextAlignment(kColumnTime, Qt::AlignRight | Qt::AlignVCenter);
    listView->header()->setStretchLastSection(false);
    // The style's minimum is wider than the state column.
    listView->header()->setMinimumSectionSize(kStateColumnWidth);
    listView->setColumnWidth(kColumnState, kStateColumnWidth);
    listView->setColumnWidth(kColumnTitle, colTitle);
    listView->setColumnWidth(kColumnTime, colTime);
    listView->setColumnWidth(kColumnFileName, colFileTime);
}

}  // namespace

void SetupSongListView(QTreeWidget* listView, int colTitle, int colTime, int colFileTime) {
    listView->setObjectName(QStringLiteral("id1000"));
    SetColumns(listView, colTitle, colTime, colFileTime);
    listView->setRootIsDecorated(false);
    listView->setItemsExpandable(false);
    listView->setUniformRowHeights(true);
    listView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    listView->setSelectionBehavior(QAbstractItemView::SelectRows);
    listView->setAllColumnsShowFocus(true);
    listView->setIconSize(QSize(kPictureSize, kPictureSize));
    listView->setItemDelegate(new GridLineDelegate(listView));
    ShowSelectionWithoutFocus(listView);
}

void SetRowPicture(QTreeWidget* listView, int row, int column, int picture) {
    QTreeWidgetItem* item = listView->topLevelItem(row);
    if (item == nullptr || picture < 0 || picture >= static_cast<int>(std::size(kPictures))) return;
    item->setIcon(column, PictureIcon(picture));
    item->setData(column, kPictureRole, picture);
}

void AppendSongRow(QTreeWidget* listView, const SongListSong& song) {
    auto* item = new QTreeWidgetItem();
    item->setData(kColumnState, kRowOrderRole, listView->topLevelItemCount());
    item->setText(kColumnTitle, QString::fromStdU16String(song.title));
    item->setText(kColumnTime, QString::fromStdU16String(FormatPlayTime(song.seconds)));
    item->setTextAlignment(kColumnTime, Qt::AlignRight | Qt::AlignVCenter);
    item->setText(kColumnFileName, QString::fromStdU16String(
                                        platform::DecodeTextByBytes(song.path.data(), song.path.size())));
    item->setData(kColumnFileName, kPathBytesRole, QByteArray::fromStdString(song.path));
    listView->addTopLevelItem(item);
    const int row = listView->topLevelItemCount() - 1;
    SetRowPicture(listView, row, kColumnState, kPictureNormal);
    SetRowPicture(listView, row, kColumnTitle, kPictureTitleMark);
}

std::string RowPath(const QTreeWidget* listView, int row) {
    const QTreeWidgetItem* item = listView->topLevelItem(row);
    return item->data(kColumnFileName, kPathBytesRole).toByteArray().toStdString();
}

std::vector<SongListSong> SongRows(const QTreeWidget* listView) {
    std::vector<SongListSong> songs;
    for (int row = 0; row < listView->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = listView->topLevelItem(row);
        songs.push_back({TimeTextSeconds(item->text(kColumnTime).toStdU16String()),
                         RowPath(listView, row), item->text(kColumnTitle).toStdU16String()});
    }
    return songs;
}
