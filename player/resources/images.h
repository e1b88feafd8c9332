// The player's pictures by the numbers its windows ask for: button pictures and focus marks,
// the song rows' pictures, the activity strip and the program's icon. The pictures are drawn by
// imagegen at build time and compiled into the program under :/images/.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

struct ImageEntry {
    int id;
    const char* file;  // under :/images/
    int width, height;
};

// An id's first row is its natural size; the program's icon has more rows, one per size the
// desktop asks for.
inline constexpr ImageEntry kImages[] = {
    {119, "program-32.png", 32, 32},
    {119, "program-16.png", 16, 16},
    {119, "program-48.png", 48, 48},
    {119, "program-64.png", 64, 64},
    {119, "program-128.png", 128, 128},
    {119, "program-256.png", 256, 256},
    // Button pictures: 32 x 32, seen through a 22 x 22 button (the song-list menu: 33 x 19).
    {125, "play.png", 32, 32},
    {128, "play-disabled.png", 32, 32},
    {129, "focus.png", 32, 32},
    {130, "stop.png", 32, 32},
    {132, "stop-disabled.png", 32, 32},
    {133, "previous.png", 32, 32},
    {134, "previous-disabled.png", 32, 32},
    {135, "next.png", 32, 32},
    {136, "next-disabled.png", 32, 32},
    {137, "settings.png", 32, 32},
    {138, "settings-disabled.png", 32, 32},
    {140, "add-files.png", 32, 32},
    {141, "delete-rows.png", 32, 32},
    {142, "add-files-disabled.png", 32, 32},
    {143, "delete-rows-disabled.png", 32, 32},
    {144, "song-list-menu.png", 32, 32},
    {145, "song-list-menu-disabled.png", 32, 32},
    {146, "song-list-menu-focus.png", 32, 32},
    {153, "move-up.png", 32, 32},
    {154, "move-down.png", 32, 32},
    {155, "move-up-disabled.png", 32, 32},
    {156, "move-down-disabled.png", 32, 32},
    {157, "close.png", 32, 32},
    {169, "volume.png", 32, 32},
    // The volume panel's loud and soft marks, on the dialog's face.
    {170, "volume-loud.png", 16, 16},
    {172, "volume-soft.png", 16, 16},
    // Song rows, on the list's own background.
    {149, "row-playing.png", 16, 16},
    {150, "row-normal.png", 16, 16},
    {158, "row-title.png", 16, 16},
    {171, "row-failed.png", 16, 16},
    // Frames of 12 x 12 side by side; the time display alternates frames 0 and 1.
    {159, "activity.png", 96, 12},
};

// The row of an id at its natural size; nullptr for an id that has no picture.
const ImageEntry* FindImage(int id);

// The picture at its natural size; a null image (pixmap) for an unknown id. PlayerImage works
// without a GUI application; the pixmap and the icon need one.
QImage PlayerImage(int id);
QPixmap PlayerPixmap(int id);
// Every size of the id in one icon.
QIcon PlayerIcon(int id);
