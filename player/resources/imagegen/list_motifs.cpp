// The song list's buttons: a list of rows in silver with what the button does to it, and the
// arrows that move rows.
#include "player/resources/imagegen/drawings.h"
#include "player/resources/imagegen/pixel_art.h"

QImage AddFilesMotif() {
    return PixelArt({
        "................",
        ".SS.SSSSSSSSSSS.",
        ".SS.SSSSSSSSSSS.",
        "................",
        ".SS.SSSSSSSSSSS.",
        ".SS.SSSSSSSSSSS.",
        "................",
        ".SS.SSSSS.......",
        ".SS.SSSSS..GG...",
        "...........GG...",
        "...........GG...",
        "........GGGGGGGG",
        "........GGGGGGGG",
        "...........GG...",
        "...........GG...",
        "...........GG...",
    });
}

QImage DeleteRowsMotif() {
    return PixelArt({
        "................",
        ".SS.SSSSSSSSSSS.",
        ".SS.SSSSSSSSSSS.",
        "................",
        ".SS.SSSSSSSSSSS.",
        ".SS.SSSSSSSSSSS.",
        "................",
        ".SS.SSS.........",
        ".SS.SSS.RR....RR",
        "........RRR..RRR",
        ".........RRRRRR.",
        "..........RRRR..",
        "..........RRRR..",
        ".........RRRRRR.",
        "........RRR..RRR",
        "........RR....RR",
    });
}

QImage MoveUpMotif() {
    return PixelArt({
        "................",
        "................",
        ".......AA.......",
        "......AAAA......",
        ".....AAAAAA.....",
        "....AAAAAAAA....",
        "...AAAAAAAAAA...",
        "..AAAAAAAAAAAA..",
        "......AAAA......",
        "......AAAA......",
        "......AAAA......",
        "......AAAA......",
        "......AAAA......",
        "......AAAA......",
        "................",
        "................",
    });
}

QImage MoveDownMotif() { return MoveUpMotif().mirrored(false, true); }

QImage SongListMenuMotif() {
    return PixelArt({
        ".........................",
        "..KK.KKKKKKKKK...........",
        "..KK.KKKKKKKKK...........",
        "................KKKKKKK..",
        "..KK.KKKKKKKKK...KKKKK...",
        "..KK.KKKKKKKKK....KKK....",
        "...................K.....",
        "..KK.KKKKKKKKK...........",
        "..KK.KKKKKKKKK...........",
        ".........................",
        ".........................",
    });
}
