#include "player/shell/window/midi_file_dialog.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

#include <QDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>
#include <QTreeView>
#include <QTreeWidget>

#include "player/model/folder_entries.h"
#include "player/shell/dialogs/dialog_units.h"
#include "player/shell/lists/string_list.h"
#include "player/shell/window/midi_file_add.h"

std::string g_midiFileFolder;

namespace {

struct FileDialogTemplate {
    const char* id;
    const char16_t* caption;
    const char16_t* fontFace;
    QRect dialog, list, newList, add;
    const char16_t* newListText;
    const char16_t* addText;
};
constexpr FileDialogTemplate kJapaneseTemplate = {
    "id139",          u"MIDIファイルの選択", u"ＭＳ Ｐゴシック", {0, 0, 131, 127},
    {3, 3, 125, 103}, {3, 110, 85, 14},      {93, 110, 35, 14},  u"新規ソングリストへ追加(&N)",
    u"追加(&A)"};
constexpr FileDialogTemplate kEnglishTemplate = {
    "id162",          u"Select MIDI Files",   u"Tahoma",
    {0, 0, 131, 110}, {3, 3, 125, 87},        {3, 93, 85, 14},
    {93, 93, 35, 14}, u"Add to &NewSonglist", u"&Add"};

constexpr int kFontPoints = 9;
constexpr int kFileColumnWidth = 140;
constexpr int kSizeColumnWidth = 55;

bool IsFolder(const std::string& folder) {
    std::error_code error;
    return !folder.empty() && std::filesystem::is_directory(folder, error);
}

// The last folder of this run while it still exists, else the home folder, else the root.
std::string StartFolder() {
    if (IsFolder(g_midiFileFolder)) return g_midiFileFolder;
    const char* home = std::getenv("HOME");
    std::string folder = home != nullptr ? home : "";
    if (folder.empty() || folder.back() != kFolderSeparator) folder += kFolderSeparator;
    return IsFolder(folder) ? folder : std::string(1, kFolderSeparator);
}

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

// The dialog builds the template's controls and turns clicks and keys into the commands of
// the plain functions behind it; it keeps the rows' entries while they are listed.
class FileDialog : public QDialog {
public:
    FileDialog(const FileDialogTemplate& form, QTreeView* listView, bool japaneseUi)
        : listView_(listView), japaneseUi_(japaneseUi) {
        setObjectName(QString::fromLatin1(form.id));
        setWindowTitle(QString::fromUtf16(form.caption));
        setFont(QFont(QString::fromUtf16(form.fontFace), kFontPoints));
        const QSize base = DialogBaseUnits(font());
        setFixedSize(DialogUnitsToPixels(form.dialog, base).size());
        list_ = Place(new QTreeWidget(this), "id1051", form.list, base);
        SetupFileList(list_);
        auto* newList = Place(new QPushButton(QString::fromUtf16(form.newListText), this), "id1013",
                              form.newList, base);
        auto* add = Place(new QPushButton(QString::fromUtf16(form.addText), this), "id1012",
                          form.add, base);
        connect(newList, &QPushButton::clicked, this, [this] { Add(true); });
        connect(add, &QPushButton::clicked, this, [this] { Add(false); });
        connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { Open(); });
        Fill(StartFolder());
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
    Control* Place(Control* control, const char* id, const QRect& units, const QSize& base) {
        control->setObjectName(QString::fromLatin1(id));
        control->setGeometry(DialogUnitsToPixels(units, base));
        return control;
    }

    void Fill(const std::string& folder);
    void Open();
    void Add(bool toNewList);
    void Finish(int result) {
        list_->clear();
        entries_.clear();
        done(result);
    }

    QTreeView* listView_;
    bool japaneseUi_;
    QTreeWidget* list_;
    std::vector<FolderEntry> entries_;
};

void FileDialog::Fill(const std::string& folder) {
    g_midiFileFolder = folder;
    list_->clear();
    entries_ = ListFolder(folder, CompareIgnoringCase);
    const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon fileIcon = style()->standardIcon(QStyle::SP_FileIcon);
    for (const FolderEntry& entry : entries_) {
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
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0) return;
    const FolderEntry& entry = entries_[static_cast<std::size_t>(row)];
    if (entry.name == u"..") return Fill(ParentFolder(entry.folder));
    if (entry.isFolder) Fill(EntryPath(entry) + kFolderSeparator);
}

void FileDialog::Add(bool toNewList) {
    std::vector<const FolderEntry*> chosen;
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        if (list_->topLevelItem(row)->isSelected()) {
            chosen.push_back(&entries_[static_cast<std::size_t>(row)]);
        }
    }
    if (AddMidiFiles(listView_, chosen, toNewList, japaneseUi_) == 1) Finish(1);
}

}  // namespace

int MidiFileDialog(QTreeView* listView, bool japaneseUi) {
    FileDialog dialog(japaneseUi ? kJapaneseTemplate : kEnglishTemplate, listView, japaneseUi);
    return dialog.exec() == 1 ? 1 : 0;
}
