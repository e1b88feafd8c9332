// The text of a song-list file. Written: "##SONGTITLE", the list's title and an empty line, then
// per song "##SONGFILE", its play time in whole seconds, the MIDI file's path, the song's title
// and an empty line, every line ended by CR LF. Read leniently: lines end in CR LF, LF or CR
// alike, the markers count wherever they end a line, the lines behind them are taken and
// everything else is passed over. Each text line is decoded by its own bytes (lists come from
// the handheld in CP932, from editors in anything); a path is never decoded: it stays the bytes
// the file system names the file by.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct SongListSong {
    std::uint32_t seconds;
    std::string path;  // the file's name as the file system gives it, byte for byte
    std::u16string title;
};

// The room the player has for a list title and for a song's title.
constexpr std::size_t kListTitleChars = 127;
constexpr std::size_t kSongTitleChars = 255;

// The line behind the first "##SONGTITLE" marker, cut to kListTitleChars; false without one.
bool ReadListTitle(std::string_view bytes, std::u16string* title);
// The song blocks in file order: each title cut to kSongTitleChars, each path whole.
std::vector<SongListSong> ReadListSongs(std::string_view bytes);
// True for what the player can take as a list: no text, a song block, or nothing but a title.
// Anything else (another program's file, a damaged one) is not a list to write over.
bool HoldsSongList(std::string_view bytes);
// The whole text of a list, as the player writes it: the titles in UTF-8 as ListTitleText makes
// them, the paths as their bytes (each one line, see PathFitsList).
std::string WriteListText(std::u16string_view title, const std::vector<SongListSong>& songs);

// A title as it may stand on one line of a list: every control character a space, so that no
// title can break its line and be read back as a marker or a song of its own.
std::u16string ListTitleText(std::u16string_view title);
// True when the path can be written as one line of a list (it holds no CR or LF).
bool PathFitsList(std::string_view path);

// The seconds of a "minutes:seconds" play-time text ("100:05" is 6005).
std::uint32_t TimeTextSeconds(std::u16string_view timeText);
