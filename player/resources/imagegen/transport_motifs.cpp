// Play, stop, previous and next: the shapes every player uses, in the status panel's colours
// (green to go, red to stop, aqua to move between songs).
#include "player/resources/imagegen/drawings.h"
#include "player/resources/imagegen/pixel_art.h"

QImage PlayMotif() {
    // Edges of one step up per two across: the same slope on both sides, no stray pixels.
    return PixelArt({
        "................",
        "................",
        "...G............",
        "...GGG..........",
        "...GGGGG........",
        "...GGGGGGG......",
        "...GGGGGGGGG....",
        "...GGGGGGGGGGG..",
        "...GGGGGGGGGGG..",
        "...GGGGGGGGG....",
        "...GGGGGGG......",
        "...GGGGG........",
        "...GGG..........",
        "...G............",
        "................",
        "................",
    });
}

QImage StopMotif() {
    return PixelArt({
        "................",
        "................",
        "................",
        "...RRRRRRRRRR...",
        "...RRRRRRRRRR...",
        "...RRRRRRRRRR...",
        "...RRRRRRRRRR...",
        "...RRRRRRRRRR...",
        "...RRRRRRRRRR...",
        "...RRRRRRRRRR...",
        "...RRRRRRRRRR...",
        "...RRRRRRRRRR...",
        "...RRRRRRRRRR...",
        "................",
        "................",
        "................",
    });
}

QImage NextMotif() {
    return PixelArt({
        "................",
        "................",
        "................",
        "..A....A.....AA.",
        "..AA...AA....AA.",
        "..AAA..AAA...AA.",
        "..AAAA.AAAA..AA.",
        "..AAAAAAAAAA.AA.",
        "..AAAAAAAAAA.AA.",
        "..AAAA.AAAA..AA.",
        "..AAA..AAA...AA.",
        "..AA...AA....AA.",
        "..A....A.....AA.",
        "................",
        "................",
        "................",
    });
}

QImage PreviousMotif() { return NextMotif().mirrored(true, false); }
