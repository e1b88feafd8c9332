// The demo songs that come with the player: our own short pieces, each a format-1 file with a
// tempo track whose name is the song's title, one track per instrument and drums on channel 10.
#pragma once

#include <string>
#include <vector>

#include "voiceset/demogen/smf_writer.h"

struct DemoSong {
    std::string fileName;  // in voiceset/demo/
    Bytes image;
};

std::vector<DemoSong> DemoSongs();

Bytes MorningLanterns();
Bytes CopperRoad();
Bytes GlassTide();
