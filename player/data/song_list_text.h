// The text of a song-list file. Written: "##SONGTITLE", the list's title and an empty line, then
// per song "##SONGFILE", its play time in whole seconds, the MIDI file's path, the song's title
// and an empty line, every line ended by CR LF. Read leniently: the markers count wherever they
// stand, the lines behind them are taken and everything else is passed over.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct SongListSong {
    std::uint32_t seconds;
    std::u16string path;
    std::u16string title;
};

// The room the player has for a list title and for each line of a song block.
constexpr std::size_t kListTitleChars = 127;
constexpr std::size_t kListLineChars = 255;

// The line behind the first "##SONGTITLE" marker, cut to kListTitleChars; false without one.
bool ReadListTitle(std::u16string_view text, std::u16string* title);
// The song blocks in file order, each line cut to kListLineChars.
std::vector<SongListSong> ReadListSongs(std::u16string_view text);
// The whole text of a list, as the player writes it.
std::u16string WriteListText(std::u16string_view title, const std::vector<SongListSong>& songs);

// The seconds of a "minutes:seconds" play-time text ("100:05" is 6005).
std::uint32_t TimeTextSeconds(std::u16string_view timeText);
