// The picture buttons of the main window, drawn by their ids: a black face (the song-list menu
// button: the button-face colour), the focus mark, and the enabled or disabled picture.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QSize>

struct ButtonState {
    bool pressed = false;
    bool disabled = false;
    bool focused = false;
};

// 1 when id is one of the twelve picture buttons and it was drawn into rect; 0 otherwise,
// drawing nothing. face is the button-face colour, behind the song-list menu button only.
int DrawButton(int id, QPainter& painter, const QRect& rect, ButtonState state, const QColor& face);
// 22 x 22; the song-list menu button 33 x 19.
QSize PictureButtonSize(int id);
