// The pictures for screens of pixel ratio 2: each row is compiled in at twice its size as well,
// from the same drawing, and a ratio of 2 asks for that picture rather than a blown-up one.
#include <gtest/gtest.h>

#include <QString>

#include "player/resources/images.h"

namespace {

QImage CompiledIn(const QString& file) { return QImage(QStringLiteral(":/images/") + file); }

// Every pixel of the small picture is a square of 2 x 2 of the large one.
bool PixelForPixelDoubled(const QImage& small, const QImage& large) {
    if (large.size() != small.size() * 2) return false;
    for (int y = 0; y < large.height(); ++y) {
        for (int x = 0; x < large.width(); ++x) {
            if (large.pixel(x, y) != small.pixel(x / 2, y / 2)) return false;
        }
    }
    return true;
}

TEST(TwiceSize, EveryRowIsCompiledInAtTwiceItsSize) {
    PlayerImage(kImagePlay);  // registers the pictures
    EXPECT_EQ(TwiceSizeFile(*FindImage(kImagePlay)), QStringLiteral("play@2x.png"));
    for (const ImageEntry& entry : kImages) {
        const QImage image = CompiledIn(TwiceSizeFile(entry));
        ASSERT_FALSE(image.isNull()) << entry.file;
        EXPECT_EQ(image.size(), QSize(2 * entry.width, 2 * entry.height)) << entry.file;
    }
}

TEST(TwiceSize, ARatioOfTwoGivesTheTwiceSizePictureAtItsSizeInTheWindow) {
    for (const qreal ratio : {2.0, 1.5, 3.0}) {
        const QImage twice = PlayerImage(kImagePlay, ratio);
        EXPECT_EQ(twice.size(), QSize(64, 64)) << ratio;
        EXPECT_EQ(twice.devicePixelRatio(), 2.0) << ratio;
        EXPECT_EQ(twice, CompiledIn(QStringLiteral("play@2x.png"))) << ratio;
    }
    EXPECT_EQ(PlayerPixmap(kImageClose, 2).deviceIndependentSize(), QSizeF(32, 32));
    for (const qreal ratio : {1.0, 1.25, 0.0}) {
        EXPECT_EQ(PlayerImage(kImagePlay, ratio), PlayerImage(kImagePlay)) << ratio;
        EXPECT_EQ(PlayerImage(kImagePlay, ratio).devicePixelRatio(), 1.0) << ratio;
    }
    EXPECT_TRUE(PlayerImage(120, 2).isNull());
}

// Pixel art has no finer drawing: its pixels are doubled, square and sharp. The program's icon
// is drawn again at twice the size.
TEST(TwiceSize, PixelArtIsDoubledAndTheIconDrawnAtTheLargerSize) {
    for (const int id : {kImagePlay, kImageSongListMenuFocus, kImageRowNormal, kImageActivity}) {
        EXPECT_TRUE(PixelForPixelDoubled(PlayerImage(id), PlayerImage(id, 2))) << id;
    }
    const QImage icon = PlayerImage(kImageProgram, 2);
    EXPECT_EQ(icon, CompiledIn(QStringLiteral("program-64.png")));
    EXPECT_FALSE(PixelForPixelDoubled(PlayerImage(kImageProgram), icon));
}

}  // namespace
