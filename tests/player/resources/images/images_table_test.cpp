// The picture table: every number the player's windows ask for is compiled in at its size.
#include <gtest/gtest.h>

#include <QIcon>
#include <QString>

#include "player/resources/images.h"

namespace {

// The numbers the main window, its list and its dialogs load.
constexpr int kUsedIds[] = {kImageProgram,
                            kImagePlay,
                            kImagePlayDisabled,
                            kImageFocus,
                            kImageStop,
                            kImageStopDisabled,
                            kImagePrevious,
                            kImagePreviousDisabled,
                            kImageNext,
                            kImageNextDisabled,
                            kImageSettings,
                            kImageSettingsDisabled,
                            kImageAddFiles,
                            kImageDeleteRows,
                            kImageAddFilesDisabled,
                            kImageDeleteRowsDisabled,
                            kImageSongListMenu,
                            kImageSongListMenuDisabled,
                            kImageSongListMenuFocus,
                            kImageRowPlaying,
                            kImageRowNormal,
                            kImageMoveUp,
                            kImageMoveDown,
                            kImageMoveUpDisabled,
                            kImageMoveDownDisabled,
                            kImageClose,
                            kImageRowTitle,
                            kImageActivity,
                            kImageVolume,
                            kImageVolumeLoud,
                            kImageRowFailed,
                            kImageVolumeSoft};

QImage CompiledIn(const ImageEntry& entry) {
    return QImage(QStringLiteral(":/images/") + QString::fromLatin1(entry.file));
}

TEST(ImageTable, EveryNumberTheWindowsUseHasAPicture) {
    for (int id : kUsedIds) {
        ASSERT_NE(FindImage(id), nullptr) << id;
        EXPECT_FALSE(PlayerImage(id).isNull()) << id;
    }
}

TEST(ImageTable, EveryRowIsCompiledInAtItsSize) {
    PlayerImage(kImagePlay);  // registers the pictures
    for (const ImageEntry& entry : kImages) {
        const QImage image = CompiledIn(entry);
        ASSERT_FALSE(image.isNull()) << entry.file;
        EXPECT_EQ(image.size(), QSize(entry.width, entry.height)) << entry.file;
    }
}

TEST(ImageTable, ANumberIsLoadedAtItsNaturalSize) {
    EXPECT_EQ(PlayerImage(kImagePlay).size(), QSize(32, 32));
    EXPECT_EQ(PlayerImage(kImageRowNormal).size(), QSize(16, 16));
    EXPECT_EQ(PlayerImage(kImageActivity).size(), QSize(96, 12));
    EXPECT_EQ(PlayerImage(kImageProgram).size(), QSize(32, 32));
    EXPECT_EQ(PlayerPixmap(kImageSongListMenuFocus).size(), QSize(32, 32));
}

TEST(ImageTable, AnUnknownNumberHasNoPicture) {
    EXPECT_EQ(FindImage(120), nullptr);
    EXPECT_TRUE(PlayerImage(120).isNull());
    EXPECT_TRUE(PlayerPixmap(120).isNull());
    EXPECT_TRUE(PlayerIcon(120).isNull());
}

TEST(ImageTable, TheProgramIconHoldsEveryDesktopSizeAsDrawn) {
    const QIcon icon = PlayerIcon(kImageProgram);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
    }
    // The small sizes are their own drawings, not the large one scaled down.
    for (const ImageEntry& entry : kImages) {
        if (entry.id != kImageProgram) continue;
        const QImage drawn = CompiledIn(entry).convertToFormat(QImage::Format_ARGB32);
        const QImage given =
            icon.pixmap(entry.width).toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(given, drawn) << entry.file;
    }
}

}  // namespace
