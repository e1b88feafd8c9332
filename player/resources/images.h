// The player's pictures by the numbers its windows ask for: button pictures and focus marks,
// the song rows' pictures, the activity strip and the program's icon. The pictures are drawn by
// imagegen at build time, each at its size and at twice its size for screens of pixel ratio 2,
// and compiled into the program under :/images/.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

// The pictures' ids, by what they show.
enum ImageId : int {
    kImageProgram = 119,  // the program's icon
    // Button pictures, each with its disabled look, and the focus marks.
    kImagePlay = 125,
    kImagePlayDisabled = 128,
    kImageFocus = 129,
    kImageStop = 130,
    kImageStopDisabled = 132,
    kImagePrevious = 133,
    kImagePreviousDisabled = 134,
    kImageNext = 135,
    kImageNextDisabled = 136,
    kImageSettings = 137,
    kImageSettingsDisabled = 138,
    kImageAddFiles = 140,
    kImageDeleteRows = 141,
    kImageAddFilesDisabled = 142,
    kImageDeleteRowsDisabled = 143,
    kImageSongListMenu = 144,
    kImageSongListMenuDisabled = 145,
    kImageSongListMenuFocus = 146,
    kImageMoveUp = 153,
    kImageMoveDown = 154,
    kImageMoveUpDisabled = 155,
    kImageMoveDownDisabled = 156,
    kImageClose = 157,
    kImageVolume = 169,
    // The volume panel's marks.
    kImageVolumeLoud = 170,
    kImageVolumeSoft = 172,
    // Song rows.
    kImageRowPlaying = 149,
    kImageRowNormal = 150,
    kImageRowTitle = 158,
    kImageRowFailed = 171,
    kImageActivity = 159,  // the activity strip
};

struct ImageEntry {
    int id;
    const char* file;  // under :/images/
    int width, height;
};

// An id's first row is its natural size; the program's icon has more rows, one per size the
// desktop asks for.
inline constexpr ImageEntry kImages[] = {
    {kImageProgram, "program-32.png", 32, 32},
    {kImageProgram, "program-16.png", 16, 16},
    {kImageProgram, "program-48.png", 48, 48},
    {kImageProgram, "program-64.png", 64, 64},
    {kImageProgram, "program-128.png", 128, 128},
    {kImageProgram, "program-256.png", 256, 256},
    // Button pictures: 32 x 32, seen through a 22 x 22 button (the song-list menu: 33 x 19).
    {kImagePlay, "play.png", 32, 32},
    {kImagePlayDisabled, "play-disabled.png", 32, 32},
    {kImageFocus, "focus.png", 32, 32},
    {kImageStop, "stop.png", 32, 32},
    {kImageStopDisabled, "stop-disabled.png", 32, 32},
    {kImagePrevious, "previous.png", 32, 32},
    {kImagePreviousDisabled, "previous-disabled.png", 32, 32},
    {kImageNext, "next.png", 32, 32},
    {kImageNextDisabled, "next-disabled.png", 32, 32},
    {kImageSettings, "settings.png", 32, 32},
    {kImageSettingsDisabled, "settings-disabled.png", 32, 32},
    {kImageAddFiles, "add-files.png", 32, 32},
    {kImageDeleteRows, "delete-rows.png", 32, 32},
    {kImageAddFilesDisabled, "add-files-disabled.png", 32, 32},
    {kImageDeleteRowsDisabled, "delete-rows-disabled.png", 32, 32},
    {kImageSongListMenu, "song-list-menu.png", 32, 32},
    {kImageSongListMenuDisabled, "song-list-menu-disabled.png", 32, 32},
    {kImageSongListMenuFocus, "song-list-menu-focus.png", 32, 32},
    {kImageMoveUp, "move-up.png", 32, 32},
    {kImageMoveDown, "move-down.png", 32, 32},
    {kImageMoveUpDisabled, "move-up-disabled.png", 32, 32},
    {kImageMoveDownDisabled, "move-down-disabled.png", 32, 32},
    {kImageClose, "close.png", 32, 32},
    {kImageVolume, "volume.png", 32, 32},
    // The volume panel's loud and soft marks, on the dialog's face.
    {kImageVolumeLoud, "volume-loud.png", 16, 16},
    {kImageVolumeSoft, "volume-soft.png", 16, 16},
    // Song rows, on the list's own background.
    {kImageRowPlaying, "row-playing.png", 16, 16},
    {kImageRowNormal, "row-normal.png", 16, 16},
    {kImageRowTitle, "row-title.png", 16, 16},
    {kImageRowFailed, "row-failed.png", 16, 16},
    // Frames of 12 x 12 side by side; the time display alternates frames 0 and 1.
    {kImageActivity, "activity.png", 96, 12},
};

// The row's picture drawn at twice its size: the file's name with "@2x" before its ".png", the
// name Qt's icons look for on a screen of pixel ratio 2.
inline QString TwiceSizeFile(const ImageEntry& entry) {
    QString name = QString::fromLatin1(entry.file);
    return name.insert(name.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
}

// The row of an id at its natural size; nullptr for an id that has no picture.
const ImageEntry* FindImage(int id);

// The picture at its natural size, in a device's pixels; a null image (pixmap) for an unknown id.
// For a pixel ratio that rounds to 2 or more it is the drawing at twice the size, with a device
// pixel ratio of 2. PlayerImage works without a GUI application; the pixmap and the icon need
// one.
QImage PlayerImage(int id, qreal pixelRatio = 1);
QPixmap PlayerPixmap(int id, qreal pixelRatio = 1);
// Every size of the id in one icon.
QIcon PlayerIcon(int id);
