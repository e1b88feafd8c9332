// Everything imagegen draws, before it is placed on a picture of its final size.
#pragma once

#include <QImage>

// Button motifs, 16 x 16, in light colours for the black status panel.
QImage PlayMotif();
QImage StopMotif();
QImage PreviousMotif();
QImage NextMotif();
QImage SettingsMotif();
QImage AddFilesMotif();
QImage DeleteRowsMotif();
QImage MoveUpMotif();
QImage MoveDownMotif();
QImage CloseMotif();
QImage VolumeMotif();
// 16 x 16 in black for the light dialog face: loud and soft, beside the volume panel's slider.
QImage LoudMark();
QImage SoftMark();
// 25 x 11 in dark colours: the song-list menu button has the light button face behind it.
QImage SongListMenuMotif();

// Focus marks as whole 32 x 32 pictures, framing the visible part of a button.
QImage FocusMark();
QImage SongListMenuFocusMark();

// Song rows, 16 x 16, outlined so they read on a light list and on its selection colour.
QImage RowNormalPicture();
QImage RowPlayingPicture();
QImage RowTitlePicture();
QImage RowFailedPicture();

// 96 x 12 on black: frames of 12 x 12, the first two alternate while a song plays.
QImage ActivityStrip();

// The program's icon at any size.
QImage ProgramIcon(int size);
