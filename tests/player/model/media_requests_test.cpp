// The desktop's requests as the window's commands: what Play, Pause, PlayPause, Stop, Next and
// Previous come to while idle, playing and paused, and the jumps Seek and SetPosition ask for;
// nothing while a dialog or menu is in front of the window.
#include "player/model/media_requests.h"

#include <gtest/gtest.h>

#include "player/resources/window_ids.h"

namespace {

MediaState State(PlaybackStatus status) {
    MediaState state;
    state.status = status;
    state.canPlay = true;
    if (status != PlaybackStatus::kStopped) {
        state.row = 4;
        state.seconds = 10;
    }
    return state;
}

constexpr PlaybackStatus kIdle = PlaybackStatus::kStopped;
constexpr PlaybackStatus kPlaying = PlaybackStatus::kPlaying;
constexpr PlaybackStatus kPaused = PlaybackStatus::kPaused;
const std::optional<int> kNone;

}  // namespace

TEST(MediaCommandsTest, PlayPauseAndStopFollowThePlayersState) {
    EXPECT_EQ(CommandFor(MediaRequest::kPlay, State(kIdle)), kCommandPlay);
    EXPECT_EQ(CommandFor(MediaRequest::kPlay, State(kPlaying)), kNone);
    EXPECT_EQ(CommandFor(MediaRequest::kPlay, State(kPaused)), kCommandPause);
    EXPECT_EQ(CommandFor(MediaRequest::kPause, State(kIdle)), kNone);
    EXPECT_EQ(CommandFor(MediaRequest::kPause, State(kPlaying)), kCommandPause);
    EXPECT_EQ(CommandFor(MediaRequest::kPause, State(kPaused)), kNone);
    EXPECT_EQ(CommandFor(MediaRequest::kPlayPause, State(kIdle)), kCommandPlay);
    EXPECT_EQ(CommandFor(MediaRequest::kPlayPause, State(kPlaying)), kCommandPause);
    EXPECT_EQ(CommandFor(MediaRequest::kPlayPause, State(kPaused)), kCommandPause);
    EXPECT_EQ(CommandFor(MediaRequest::kStop, State(kIdle)), kNone);
    EXPECT_EQ(CommandFor(MediaRequest::kStop, State(kPaused)), kCommandStop);
    MediaState empty = State(kIdle);
    empty.canPlay = false;
    EXPECT_EQ(CommandFor(MediaRequest::kPlay, empty), kNone);
    EXPECT_EQ(CommandFor(MediaRequest::kPlayPause, empty), kNone);
}

TEST(MediaCommandsTest, NextAndPreviousOnlyWhereTheyLead) {
    MediaState state = State(kPlaying);
    EXPECT_EQ(CommandFor(MediaRequest::kNext, state), kNone);
    EXPECT_EQ(CommandFor(MediaRequest::kPrevious, state), kNone);
    state.canGoNext = state.canGoPrevious = true;
    EXPECT_EQ(CommandFor(MediaRequest::kNext, state), kCommandNext);
    EXPECT_EQ(CommandFor(MediaRequest::kPrevious, state), kCommandPrevious);
}

TEST(MediaCommandsTest, SeeksAreMillisecondsOfThePlayingSongOnly) {
    EXPECT_EQ(SeekByMs(-2'500'000, State(kPlaying)), -2500);
    EXPECT_EQ(SeekByMs(1'000'000'000'000'000, State(kPaused)), std::numeric_limits<int>::max());
    EXPECT_EQ(SeekByMs(1'000'000, State(kIdle)), kNone);

    const MediaState playing = State(kPlaying);
    EXPECT_EQ(SeekToMs(TrackPath(4), 3'000'000, playing), 3000);
    EXPECT_EQ(SeekToMs(TrackPath(4), 10'000'000, playing), 10000);
    EXPECT_EQ(SeekToMs(TrackPath(3), 3'000'000, playing), kNone) << "another track";
    EXPECT_EQ(SeekToMs(TrackPath(4), -1, playing), kNone);
    EXPECT_EQ(SeekToMs(TrackPath(4), 10'000'001, playing), kNone) << "past the end";
    EXPECT_EQ(SeekToMs(TrackPath(-1), 0, State(kIdle)), kNone);
}

TEST(MediaCommandsTest, WhileADialogIsInFrontNothingIsTaken) {
    for (const PlaybackStatus status : {kIdle, kPlaying, kPaused}) {
        MediaState state = State(status);
        state.canGoNext = state.canGoPrevious = true;
        state.busy = true;
        for (const MediaRequest request :
             {MediaRequest::kPlay, MediaRequest::kPause, MediaRequest::kPlayPause,
              MediaRequest::kStop, MediaRequest::kNext, MediaRequest::kPrevious})
            EXPECT_EQ(CommandFor(request, state), kNone);
        EXPECT_EQ(SeekByMs(1'000'000, state), kNone);
        EXPECT_EQ(SeekToMs(TrackPath(state.row), 0, state), kNone);
    }
}
