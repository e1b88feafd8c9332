#include "player/resources/imagegen/image_set.h"

#include <stdexcept>
#include <string>

#include "player/resources/imagegen/drawings.h"
#include "player/resources/imagegen/picture_ops.h"

namespace {

constexpr QSize kButtonPicture(32, 32);
constexpr QSize kButton(22, 22);
constexpr QSize kMenuButton(33, 19);

QImage Button(const QImage& motif) {
    return Centred(motif, kButtonPicture, kButton);
}

QImage MenuButton(const QImage& motif) {
    return Centred(motif, kButtonPicture, kMenuButton);
}

struct Drawing {
    int id;
    QImage (*draw)(QSize size);
};

// Disabled pictures are the enabled motif dimmed (on black) or engraved (on the button face).
const Drawing kDrawings[] = {
    {119, [](QSize size) { return ProgramIcon(size.width()); }},
    {125, [](QSize) { return Button(PlayMotif()); }},
    {128, [](QSize) { return Dimmed(Button(PlayMotif())); }},
    {129, [](QSize) { return FocusMark(); }},
    {130, [](QSize) { return Button(StopMotif()); }},
    {132, [](QSize) { return Dimmed(Button(StopMotif())); }},
    {133, [](QSize) { return Button(PreviousMotif()); }},
    {134, [](QSize) { return Dimmed(Button(PreviousMotif())); }},
    {135, [](QSize) { return Button(NextMotif()); }},
    {136, [](QSize) { return Dimmed(Button(NextMotif())); }},
    {137, [](QSize) { return Button(SettingsMotif()); }},
    {138, [](QSize) { return Dimmed(Button(SettingsMotif())); }},
    {140, [](QSize) { return Button(AddFilesMotif()); }},
    {141, [](QSize) { return Button(DeleteRowsMotif()); }},
    {142, [](QSize) { return Dimmed(Button(AddFilesMotif())); }},
    {143, [](QSize) { return Dimmed(Button(DeleteRowsMotif())); }},
    {144, [](QSize) { return MenuButton(SongListMenuMotif()); }},
    {145, [](QSize) { return Engraved(MenuButton(SongListMenuMotif())); }},
    {146, [](QSize) { return SongListMenuFocusMark(); }},
    {153, [](QSize) { return Button(MoveUpMotif()); }},
    {154, [](QSize) { return Button(MoveDownMotif()); }},
    {155, [](QSize) { return Dimmed(Button(MoveUpMotif())); }},
    {156, [](QSize) { return Dimmed(Button(MoveDownMotif())); }},
    {157, [](QSize) { return Button(CloseMotif()); }},
    {169, [](QSize) { return Button(VolumeMotif()); }},
    {170, [](QSize) { return LoudMark(); }},
    {172, [](QSize) { return SoftMark(); }},
    {149, [](QSize) { return RowPlayingPicture(); }},
    {150, [](QSize) { return RowNormalPicture(); }},
    {158, [](QSize) { return RowTitlePicture(); }},
    {171, [](QSize) { return RowFailedPicture(); }},
    {159, [](QSize) { return ActivityStrip(); }},
};

}  // namespace

QImage DrawImage(const ImageEntry& entry) {
    const QSize size(entry.width, entry.height);
    for (const Drawing& drawing : kDrawings) {
        if (drawing.id != entry.id) continue;
        QImage image = drawing.draw(size);
        if (image.size() != size) {
            throw std::invalid_argument("picture " + std::to_string(entry.id) + " drawn at another size");
        }
        return image;
    }
    throw std::invalid_argument("no drawing for picture " + std::to_string(entry.id));
}
