#include "player/resources/imagegen/image_set.h"

#include <stdexcept>
#include <string>

#include "player/resources/imagegen/drawings.h"
#include "player/resources/imagegen/picture_ops.h"

namespace {

constexpr QSize kButtonPicture(32, 32);
constexpr QSize kButton(22, 22);
constexpr QSize kMenuButton(33, 19);

QImage Button(const QImage& motif) { return Centred(motif, kButtonPicture, kButton); }

QImage MenuButton(const QImage& motif) { return Centred(motif, kButtonPicture, kMenuButton); }

struct Drawing {
    int id;
    QImage (*draw)(QSize size);
};

// Disabled pictures are the enabled motif dimmed (on black) or engraved (on the button face).
const Drawing kDrawings[] = {
    {kImageProgram, [](QSize size) { return ProgramIcon(size.width()); }},
    {kImagePlay, [](QSize) { return Button(PlayMotif()); }},
    {kImagePlayDisabled, [](QSize) { return Dimmed(Button(PlayMotif())); }},
    {kImageFocus, [](QSize) { return FocusMark(); }},
    {kImageStop, [](QSize) { return Button(StopMotif()); }},
    {kImageStopDisabled, [](QSize) { return Dimmed(Button(StopMotif())); }},
    {kImagePrevious, [](QSize) { return Button(PreviousMotif()); }},
    {kImagePreviousDisabled, [](QSize) { return Dimmed(Button(PreviousMotif())); }},
    {kImageNext, [](QSize) { return Button(NextMotif()); }},
    {kImageNextDisabled, [](QSize) { return Dimmed(Button(NextMotif())); }},
    {kImageSettings, [](QSize) { return Button(SettingsMotif()); }},
    {kImageSettingsDisabled, [](QSize) { return Dimmed(Button(SettingsMotif())); }},
    {kImageAddFiles, [](QSize) { return Button(AddFilesMotif()); }},
    {kImageDeleteRows, [](QSize) { return Button(DeleteRowsMotif()); }},
    {kImageAddFilesDisabled, [](QSize) { return Dimmed(Button(AddFilesMotif())); }},
    {kImageDeleteRowsDisabled, [](QSize) { return Dimmed(Button(DeleteRowsMotif())); }},
    {kImageSongListMenu, [](QSize) { return MenuButton(SongListMenuMotif()); }},
    {kImageSongListMenuDisabled, [](QSize) { return Engraved(MenuButton(SongListMenuMotif())); }},
    {kImageSongListMenuFocus, [](QSize) { return SongListMenuFocusMark(); }},
    {kImageMoveUp, [](QSize) { return Button(MoveUpMotif()); }},
    {kImageMoveDown, [](QSize) { return Button(MoveDownMotif()); }},
    {kImageMoveUpDisabled, [](QSize) { return Dimmed(Button(MoveUpMotif())); }},
    {kImageMoveDownDisabled, [](QSize) { return Dimmed(Button(MoveDownMotif())); }},
    {kImageClose, [](QSize) { return Button(CloseMotif()); }},
    {kImageVolume, [](QSize) { return Button(VolumeMotif()); }},
    {kImageVolumeLoud, [](QSize) { return LoudMark(); }},
    {kImageVolumeSoft, [](QSize) { return SoftMark(); }},
    {kImageRowPlaying, [](QSize) { return RowPlayingPicture(); }},
    {kImageRowNormal, [](QSize) { return RowNormalPicture(); }},
    {kImageRowTitle, [](QSize) { return RowTitlePicture(); }},
    {kImageRowFailed, [](QSize) { return RowFailedPicture(); }},
    {kImageActivity, [](QSize) { return ActivityStrip(); }},
};

}  // namespace

QImage DrawImage(const ImageEntry& entry, int scale) {
    const QSize natural(entry.width, entry.height);
    const QSize size = natural * scale;
    for (const Drawing& drawing : kDrawings) {
        if (drawing.id != entry.id) continue;
        QImage image = drawing.draw(size);
        if (image.size() == natural && scale != 1) {
            image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        }
        if (image.size() != size) {
            throw std::invalid_argument("picture " + std::to_string(entry.id) +
                                        " drawn at another size");
        }
        return image;
    }
    throw std::invalid_argument("no drawing for picture " + std::to_string(entry.id));
}
