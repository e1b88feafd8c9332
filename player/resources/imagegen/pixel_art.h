// Small pictures written as rows of letters, one letter a pixel, so the source shows the
// picture. Every picture draws from this one small palette.
#pragma once

#include <initializer_list>

#include <QImage>

// '.' is transparent. Light letters stand out on the black status panel; each colour has a
// darker partner (lower case) for edges on the list's light background.
//   W white  S silver  D grey  K black
//   G green  g dark green   R red     r dark red
//   A aqua   a dark aqua    Y yellow  y dark yellow   B blue  b dark blue
QRgb PaletteColour(char letter);

// Rows of equal length; an unknown letter or a ragged row throws std::invalid_argument.
QImage PixelArt(std::initializer_list<const char*> rows);
