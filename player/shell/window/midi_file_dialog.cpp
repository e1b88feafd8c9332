#include "player/shell/window/midi_file_dialog.h"

#include <vector>

#include <QDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>
#include <QTreeView>
#include <QTreeWidget>

#include "player/model/file_dialog_form.h"
#include "player/shell/dialogs/dialog_units.h"
#include "player/shell/lists/string_list.h"
#include "player/shell/window/midi_file_add.h"

namespace {

constexpr int kFontPoints = 9;
constexpr int kFileColumnWidth = 140;
constexpr int kSizeColumnWidth = 55;

void SetupFileList(QTreeWidget* list) {
    list->setColumnCount(2);
    list->setHeaderLabels({QStringLiteral("File"), QStringLiteral("Size")});
    list->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    list->header()->setStretchLastSection(false);
    list->setColumnWidth(0, kFileColumnWidth);
    list->setColumnWidth(1, kSizeColumnWidth);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setAllColumnsShowFocus(true);
    list->setIconSize(QSize(16, 16));
}

// The dialog builds the template's controls and lists the chooser's rows; opening a row goes to
// the chooser, the buttons hand its chosen entries to AddMidiFiles.
class FileDialog : public QDialog {
public:
    FileDialog(const FileDialogForm& form, QTreeView* listView, bool japaneseUi)
        : listView_(listView),
          japaneseUi_(japaneseUi),
          chooser_(g_midiFileFolder, CompareIgnoringCase) {
        setObjectName(QString::fromLatin1(form.id));
        setWindowTitle(QString::fromUtf16(form.caption));
        setFont(QFont(QString::fromUtf16(form.fontFace), kFontPoints));
        const QSize base = DialogBaseUnits(font());
        setFixedSize(DialogUnitsToPixels(form.dialog, base).size());
        list_ = Place(new QTreeWidget(this), kFileListId, form.list, base);
        SetupFileList(list_);
        auto* newList = Place(new QPushButton(QString::fromUtf16(form.newListText), this),
                              kAddToNewListId, form.newList, base);
        auto* add =
            Place(new QPushButton(QString::fromUtf16(form.addText), this), kAddId, form.add, base);
        connect(newList, &QPushButton::clicked, this, [this] { Add(true); });
        connect(add, &QPushButton::clicked, this, [this] { Add(false); });
        connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { Open(); });
        ShowRows();
        list_->setFocus();
    }

    void reject() override { Finish(0); }

protected:
    // Enter that no button takes opens the focused row.
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return Open();
        QDialog::keyPressEvent(event);
    }

private:
    template <typename Control>
    Control* Place(Control* control, const char* id, const UnitRect& units, const QSize& base) {
        control->setObjectName(QString::fromLatin1(id));
        control->setGeometry(DialogUnitsToPixels(units, base));
        return control;
    }

    void ShowRows();
    void Open();
    void Add(bool toNewList);
    void Finish(int result) {
        list_->clear();
        done(result);
    }

    QTreeView* listView_;
    bool japaneseUi_;
    FileChooser chooser_;
    QTreeWidget* list_;
};

void FileDialog::ShowRows() {
    list_->clear();
    const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon fileIcon = style()->standardIcon(QStyle::SP_FileIcon);
    for (const FolderEntry& entry : chooser_.Entries()) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(0, QString::fromStdU16String(entry.name));
        item->setIcon(0, entry.isFolder ? folderIcon : fileIcon);
        item->setText(1, QString::fromStdU16String(SizeText(entry)));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    // Row 0 gets the focus without being selected.
    if (list_->topLevelItemCount() > 0) {
        list_->setCurrentItem(list_->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
    }
}

void FileDialog::Open() {
    if (chooser_.Open(list_->indexOfTopLevelItem(list_->currentItem()))) ShowRows();
}

void FileDialog::Add(bool toNewList) {
    std::vector<bool> selected;
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        selected.push_back(list_->topLevelItem(row)->isSelected());
    }
    if (AddMidiFiles(listView_, chooser_.Chosen(selected), toNewList, japaneseUi_) == 1) Finish(1);
}

}  // namespace

int MidiFileDialog(QTreeView* listView, bool japaneseUi) {
    FileDialog dialog(japaneseUi ? kJapaneseFileDialog : kEnglishFileDialog, listView, japaneseUi);
    return dialog.exec() == 1 ? 1 : 0;
}
