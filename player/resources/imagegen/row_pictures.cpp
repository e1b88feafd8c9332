// Song-row pictures for the list, which has a light background (and a coloured one under the
// selection): each shape carries a dark outline of its own colour.
#include "player/resources/imagegen/drawings.h"
#include "player/resources/imagegen/pixel_art.h"

QImage RowNormalPicture() {
    // Quiet on purpose: most rows show it.
    return PixelArt({
        "................",
        "................",
        "................",
        "................",
        "................",
        "......DDDD......",
        ".....DSSSSD.....",
        ".....DSSSSD.....",
        ".....DSSSSD.....",
        ".....DSSSSD.....",
        "......DDDD......",
        "................",
        "................",
        "................",
        "................",
        "................",
    });
}

QImage RowPlayingPicture() {
    return PixelArt({
        "................",
        "................",
        "...gg...........",
        "...gGgg.........",
        "...gGGGgg.......",
        "...gGGGGGgg.....",
        "...gGGGGGGGgg...",
        "...gGGGGGGGGGg..",
        "...gGGGGGGGGGg..",
        "...gGGGGGGGgg...",
        "...gGGGGGgg.....",
        "...gGGGgg.......",
        "...gGgg.........",
        "...gg...........",
        "................",
        "................",
    });
}

QImage RowTitlePicture() {
    return PixelArt({
        "................",
        ".......yy.......",
        ".......yYyy.....",
        ".......yYYYyy...",
        ".......yYYYYYy..",
        ".......yYyyyYYy.",
        ".......yYy..yYy.",
        ".......yYy..yYy.",
        ".......yYy..yy..",
        ".......yYy......",
        "...yyyyyYy......",
        "..yYYYYYYy......",
        ".yYYYYYYYy......",
        ".yYYYYYYy.......",
        "..yyyyyy........",
        "................",
    });
}

QImage RowFailedPicture() {
    return PixelArt({
        "................",
        ".....rrrrrr.....",
        "...rrRRRRRRrr...",
        "..rRRRRRRRRRRr..",
        "..rRWWRRRRWWRr..",
        ".rRRWWWRRWWWRRr.",
        ".rRRRWWWWWWRRRr.",
        ".rRRRRWWWWRRRRr.",
        ".rRRRRWWWWRRRRr.",
        ".rRRRWWWWWWRRRr.",
        ".rRRWWWRRWWWRRr.",
        "..rRWWRRRRWWRr..",
        "..rRRRRRRRRRRr..",
        "...rrRRRRRRrr...",
        ".....rrrrrr.....",
        "................",
    });
}
