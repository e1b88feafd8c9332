// Settings, volume and close: the buttons that open a dialog or end the player.
#include "player/resources/imagegen/drawings.h"
#include "player/resources/imagegen/pixel_art.h"

QImage SettingsMotif() {
    return PixelArt({
        ".......SS.......",
        "......SSSS......",
        "...SS.SSSS.SS...",
        "..SSSSSSSSSSSS..",
        "..SSSSSSSSSSSS..",
        "...SSSSSSSSSS...",
        ".SSSSS....SSSSS.",
        "SSSSSS....SSSSSS",
        "SSSSSS....SSSSSS",
        ".SSSSS....SSSSS.",
        "...SSSSSSSSSS...",
        "..SSSSSSSSSSSS..",
        "..SSSSSSSSSSSS..",
        "...SS.SSSS.SS...",
        "......SSSS......",
        ".......SS.......",
    });
}

QImage VolumeMotif() {
    return PixelArt({
        "................",
        "................",
        "......W.....Y...",
        ".....WW......Y..",
        "....WWW..Y....Y.",
        ".WWWWWW...Y...Y.",
        ".WWWWWW....Y...Y",
        ".WWWWWW....Y...Y",
        ".WWWWWW....Y...Y",
        ".WWWWWW....Y...Y",
        ".WWWWWW...Y...Y.",
        "....WWW..Y....Y.",
        ".....WW......Y..",
        "......W.....Y...",
        "................",
        "................",
    });
}

QImage CloseMotif() {
    return PixelArt({
        "................",
        "................",
        "..RR........RR..",
        "..RRR......RRR..",
        "...RRR....RRR...",
        "....RRR..RRR....",
        ".....RRRRRR.....",
        "......RRRR......",
        "......RRRR......",
        ".....RRRRRR.....",
        "....RRR..RRR....",
        "...RRR....RRR...",
        "..RRR......RRR..",
        "..RR........RR..",
        "................",
        "................",
    });
}

// The volume panel's marks beside its system slider, dark for the light dialog face.
QImage LoudMark() {
    return PixelArt({
        "................",
        "..........K.....",
        "......K....K....",
        ".....KK..K..K...",
        "....KKK...K.K...",
        ".KKKKKK...K..K..",
        ".KKKKKK.K..K.K..",
        ".KKKKKK.K..K.K..",
        ".KKKKKK...K..K..",
        "....KKK...K.K...",
        ".....KK..K..K...",
        "......K....K....",
        "..........K.....",
        "................",
        "................",
        "................",
    });
}

QImage SoftMark() {
    return PixelArt({
        "................",
        "................",
        "................",
        "................",
        "......K.........",
        ".....KK.........",
        "...KKKK.........",
        "...KKKK.K.......",
        "...KKKK.K.......",
        ".....KK.........",
        "......K.........",
        "................",
        "................",
        "................",
        "................",
        "................",
    });
}
