// Reading the text of the voice file: comment removal, numbers, names and waveform characters.
// Every reader stops at the end of the text; a position at the end reads as nothing.
#pragma once

#include <cstddef>
#include <cstdint>

// The comment-free working copy of the voice file.
struct VoiceText {
    const std::uint8_t* bytes;
    std::size_t length;
};

// Copies the image into out without its comments ("//" up to and with its line feed; a comment
// without a line feed ends the text). Returns the bytes written, at most length.
std::size_t StripComments(const std::uint8_t* image, std::size_t length, std::uint8_t* out);

// Position of the next byte `marker` at or after pos, or the text's length when there is none.
std::size_t FindByte(const VoiceText& text, std::size_t pos, std::uint8_t marker);

// Skips to the next digit or "-" and reads a decimal number; pos ends after it. 0 at the end.
std::int32_t ReadNumber(const VoiceText& text, std::size_t& pos);

// Moves pos to the next "," (or the end), a double-byte character counting as one.
void SkipToComma(const VoiceText& text, std::size_t& pos);

// Copies the text from pos up to the next "," (or the end) into field, cut to capacity - 1
// bytes and zero-terminated; pos ends at the ",".
void CopyName(const VoiceText& text, std::size_t& pos, char* field, std::size_t capacity);

// Stores the sample characters from pos up to the next ";" (or the end) into samples, at most
// count of them; other bytes are skipped. pos ends at the ";".
void ReadSamples(const VoiceText& text, std::size_t& pos, const std::uint8_t* charValue,
                 std::uint8_t* samples, std::size_t count);
