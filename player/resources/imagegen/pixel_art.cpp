#include "player/resources/imagegen/pixel_art.h"

#include <cstring>
#include <stdexcept>
#include <string>

QRgb PaletteColour(char letter) {
    switch (letter) {
        case '.': return qRgba(0, 0, 0, 0);
        case 'W': return qRgb(0xFF, 0xFF, 0xFF);
        case 'S': return qRgb(0xC8, 0xC8, 0xC8);
        case 'D': return qRgb(0x70, 0x70, 0x70);
        case 'K': return qRgb(0x00, 0x00, 0x00);
        case 'G': return qRgb(0x3C, 0xE0, 0x3C);
        case 'g': return qRgb(0x1A, 0x7A, 0x1A);
        case 'R': return qRgb(0xFF, 0x4A, 0x3A);
        case 'r': return qRgb(0xA0, 0x1C, 0x14);
        case 'A': return qRgb(0x40, 0xC8, 0xFF);
        case 'a': return qRgb(0x1A, 0x6E, 0x9A);
        case 'Y': return qRgb(0xFF, 0xD2, 0x3A);
        case 'y': return qRgb(0xA0, 0x7A, 0x10);
        case 'B': return qRgb(0x4A, 0x7C, 0xFF);
        case 'b': return qRgb(0x1C, 0x2E, 0x80);
    }
    throw std::invalid_argument(std::string("no colour for the letter '") + letter + "'");
}

QImage PixelArt(std::initializer_list<const char*> rows) {
    const int width = rows.size() == 0 ? 0 : static_cast<int>(std::strlen(*rows.begin()));
    QImage image(width, static_cast<int>(rows.size()), QImage::Format_ARGB32);
    int y = 0;
    for (const char* row : rows) {
        if (static_cast<int>(std::strlen(row)) != width) {
            throw std::invalid_argument(std::string("row of another length: ") + row);
        }
        for (int x = 0; x < width; ++x) image.setPixel(x, y, PaletteColour(row[x]));
        ++y;
    }
    return image;
}
