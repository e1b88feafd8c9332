// The demo songs: the generator still writes the committed files, they are the kind of song the
// player is made for, and the build's first-run song list offers them.
#include "voiceset/demogen/demo_songs.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "midi/midi_scan.h"

namespace {

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t BigEndian(const Bytes& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = value << 8 | bytes[at + i];
    return value;
}

// What a walk over every track finds: channels with notes and the number of tempo events.
struct SongShape {
    std::uint32_t format = 0, tracks = 0;
    std::set<int> noteChannels;
    int tempoEvents = 0;
};

std::uint32_t ReadVarLen(const Bytes& bytes, std::size_t& at) {
    std::uint32_t value = 0;
    while (bytes[at] & 0x80) value = value << 7 | (bytes[at++] & 0x7F);
    return value << 7 | bytes[at++];
}

void WalkTrack(const Bytes& bytes, std::size_t at, std::size_t end, SongShape& shape) {
    std::uint8_t running = 0;
    while (at < end) {
        ReadVarLen(bytes, at);
        std::uint8_t status = bytes[at];
        if (status & 0x80)
            ++at;
        else
            status = running;
        if (status == 0xFF) {
            const std::uint8_t type = bytes[at++];
            const std::uint32_t length = ReadVarLen(bytes, at);
            if (type == 0x51) ++shape.tempoEvents;
            at += length;
            continue;
        }
        running = status;
        const int kind = status & 0xF0;
        if (kind == 0x90 && bytes[at + 1] > 0) shape.noteChannels.insert((status & 0x0F) + 1);
        at += (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
    }
}

SongShape Shape(const Bytes& bytes) {
    SongShape shape;
    shape.format = BigEndian(bytes, 8, 2);
    shape.tracks = BigEndian(bytes, 10, 2);
    std::size_t at = 14;
    for (std::uint32_t track = 0; track < shape.tracks; ++track) {
        const std::size_t length = BigEndian(bytes, at + 4, 4);
        WalkTrack(bytes, at + 8, at + 8 + length, shape);
        at += 8 + length;
    }
    return shape;
}

TEST(DemoSongs, GeneratorReproducesTheCommittedFiles) {
    for (const DemoSong& song : DemoSongs()) {
        SCOPED_TRACE(song.fileName);
        // On a difference: run the build target demo-songs and commit the new files.
        EXPECT_TRUE(ReadFile(TESALO_VOICESET_DIR "/demo/" + song.fileName) == song.image);
    }
}

TEST(DemoSongs, AreShortFormatOneSongsWithDrumsAndTempoChanges) {
    const std::vector<DemoSong> songs = DemoSongs();
    EXPECT_GE(songs.size(), 2u);
    for (const DemoSong& song : songs) {
        SCOPED_TRACE(song.fileName);
        const SongShape shape = Shape(song.image);
        EXPECT_EQ(shape.format, 1u);
        EXPECT_GE(shape.noteChannels.size(), 4u);
        EXPECT_EQ(shape.noteChannels.count(10), 1u);
        EXPECT_GE(shape.tempoEvents, 2);
        // As the player sees it: a title and a play time of half a minute to a minute and a half.
        char16_t title[kTitleCapacity] = {};
        const std::uint32_t playMs =
            ScanMidiFile(TESALO_VOICESET_DIR "/demo/" + song.fileName, title);
        EXPECT_GE(playMs, 30000u);
        EXPECT_LE(playMs, 90000u);
        EXPECT_FALSE(title[0] == 0);
    }
}

// The first-run song list as the build writes it beside the programs (with the demo writer,
// here into a file of the test's own): "##SONGTITLE", the list's title, an empty line, then per
// song "##SONGFILE", seconds, full path, title and an empty line, every line ended by CR LF.
TEST(DemoSongs, SongListNamesEveryDemoWithItsPlayTimeAndTitle) {
    EXPECT_TRUE(std::filesystem::exists(TESALO_BIN_DIR "/snglst000.lst"));
    const std::string demos = TESALO_BIN_DIR "/demo/";
    const std::vector<std::string> songs = {demos + "morning_lanterns.mid",
                                            demos + "copper_road.mid", demos + "glass_tide.mid"};
    const std::filesystem::path list = std::filesystem::temp_directory_path() /
                                       ("demolist-test-" + std::to_string(::getpid()) + ".lst");
    std::string command = std::string("'") + TESALO_DEMOLIST + "' '" + list.string() + "'";
    for (const std::string& song : songs) command += " '" + song + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const Bytes bytes = ReadFile(list.string());
    std::filesystem::remove(list);
    const std::string text(bytes.begin(), bytes.end());

    const std::string head = "##SONGTITLE\r\nDemo Songs\r\n\r\n";
    ASSERT_EQ(text.substr(0, head.size()), head);
    std::size_t at = head.size();
    const char* titles[] = {"Morning Lanterns", "Copper Road", "Glass Tide"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(titles[i]);
        ASSERT_EQ(text.compare(at, 12, "##SONGFILE\r\n"), 0);
        at += 12;
        std::vector<std::string> lines;
        for (int line = 0; line < 4; ++line) {
            const std::size_t lineEnd = text.find("\r\n", at);
            ASSERT_NE(lineEnd, std::string::npos);
            lines.push_back(text.substr(at, lineEnd - at));
            at = lineEnd + 2;
        }
        const int seconds = std::stoi(lines[0]);
        EXPECT_GE(seconds, 30);
        EXPECT_LE(seconds, 90);
        EXPECT_EQ(lines[1], songs[i]);
        EXPECT_EQ(lines[2], titles[i]);
        EXPECT_EQ(lines[3], "");
    }
    EXPECT_EQ(at, text.size());
}

}  // namespace
