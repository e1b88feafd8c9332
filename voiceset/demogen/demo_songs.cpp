#include "voiceset/demogen/demo_songs.h"

std::vector<DemoSong> DemoSongs() {
    return {
        {"morning_lanterns.mid", MorningLanterns()},
        {"copper_road.mid", CopperRoad()},
        {"glass_tide.mid", GlassTide()},
    };
}
