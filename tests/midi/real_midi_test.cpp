// Real songs (the demo songs, and the shared corpus when it is there): every one loads, merges
// and scans, and the merged track carries exactly the channel events of the source tracks. The
// source is re-read here by the chunk lengths and the exclusive-event lengths, independently of
// the code under test.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "midi/midi_scan.h"
#include "midi/smf_image.h"
#include "tests/support/test_songs.h"

namespace {

struct ChannelEvent {
    std::uint32_t time;
    std::vector<std::uint8_t> bytes;  // status byte included
    bool operator==(const ChannelEvent&) const = default;
};

struct TrackContents {
    std::vector<ChannelEvent> events;
    std::uint32_t endTime = 0;
    std::size_t runningStatusEvents = 0;
};

std::uint32_t Big32(const std::uint8_t* bytes) {
    return std::uint32_t{bytes[0]} << 24 | bytes[1] << 16 | bytes[2] << 8 | bytes[3];
}

std::uint32_t Quantity(const std::uint8_t*& at) {
    std::uint32_t value = 0;
    do value = value << 7 | (*at & 0x7F);
    while (*at++ & 0x80);
    return value;
}

TrackContents ReadTrack(const std::uint8_t* at, const std::uint8_t* end) {
    TrackContents track;
    std::uint8_t running = 0;
    while (at < end) {
        track.endTime += Quantity(at);
        if (*at == 0xFF) {
            const std::uint8_t type = at[1];
            at += 2;
            at += Quantity(at);
            if (type == 0x2F) break;
        } else if (*at == 0xF0 || *at == 0xF7) {
            ++at;
            at += Quantity(at);
        } else {
            if (*at & 0x80) {
                running = *at++;
            } else {
                ++track.runningStatusEvents;
            }
            const int dataBytes = (running & 0xE0) == 0xC0 ? 1 : 2;
            ChannelEvent event{track.endTime, {running}};
            event.bytes.insert(event.bytes.end(), at, at + dataBytes);
            at += dataBytes;
            track.events.push_back(event);
        }
    }
    return track;
}

// All tracks of the file, their events in one list ordered by time, then by track.
TrackContents ReadFile(const std::uint8_t* image, std::uint32_t size) {
    TrackContents all;
    std::vector<std::pair<std::size_t, ChannelEvent>> numbered;
    std::size_t trackNumber = 0;
    for (std::uint32_t at = 8 + Big32(image + 4); at + 8 <= size; at += 8 + Big32(image + at + 4)) {
        const std::uint8_t* data = image + at + 8;
        const TrackContents track = ReadTrack(data, data + Big32(image + at + 4));
        for (const ChannelEvent& event : track.events) numbered.emplace_back(trackNumber, event);
        all.endTime = std::max(all.endTime, track.endTime);
        ++trackNumber;
    }
    std::stable_sort(numbered.begin(), numbered.end(), [](const auto& a, const auto& b) {
        return a.second.time != b.second.time ? a.second.time < b.second.time : a.first < b.first;
    });
    for (const auto& entry : numbered) all.events.push_back(entry.second);
    return all;
}

void ExpectMergesItsChannelEventsInTimeOrder(const std::string& song) {
    SCOPED_TRACE(song);
    std::uint8_t* image = nullptr;
    std::uint32_t size = 0;
    ASSERT_TRUE(LoadFileImage(song, &image, &size));
    const TrackContents source = ReadFile(image, size);
    ASSERT_GT(PrepareSmfImage(&image, &size), 0);
    ASSERT_EQ(Big32(image + 18), size - 22);
    const TrackContents merged = ReadTrack(image + 22, image + size);
    EXPECT_EQ(merged.events.size(), source.events.size());
    EXPECT_TRUE(merged.events == source.events);
    EXPECT_EQ(merged.endTime, source.endTime);
    EXPECT_EQ(merged.runningStatusEvents, 0u);
    FreeFileImage(image);
}

void ExpectPlausiblePlayTime(const std::string& song) {
    char16_t title[kTitleCapacity] = {};
    const std::uint32_t playMs = ScanMidiFile(song, title);
    EXPECT_GT(playMs, 10000u) << song;
    EXPECT_LT(playMs, 15u * 60 * 1000) << song;
}

TEST(RealMidiTest, EveryDemoSongMergesAndScans) {
    const std::vector<std::string> songs = DemoSongs();
    ASSERT_FALSE(songs.empty());
    for (const std::string& song : songs) {
        ExpectMergesItsChannelEventsInTimeOrder(song);
        ExpectPlausiblePlayTime(song);
    }
}

TEST(RealMidiTest, EverySharedSongMergesAndScans) {
    if (!HaveSharedSongs()) GTEST_SKIP() << kNoSharedSongs;
    for (const std::string& song : SharedSongs()) {
        ExpectMergesItsChannelEventsInTimeOrder(song);
        ExpectPlausiblePlayTime(song);
    }
}

}  // namespace
