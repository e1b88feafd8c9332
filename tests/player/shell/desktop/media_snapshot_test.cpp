// What the desktop is shown of the player: the playing row's song, where Next and Previous lead
// in the play mode, that nothing can be asked while a dialog is in front of the window, and the
// properties that changed between two snapshots.
#include "player/shell/desktop/media_snapshot.h"

#include <gtest/gtest.h>

#include "player/shell/desktop/media_properties.h"

namespace {

SongRows ThreeRows() {
    SongRows rows;
    rows.Assign(
        {{61, "/m/one.mid", u"One"}, {0, "/m/t w o.mid", u"Two"}, {5, "/m/3.mid", u"Three"}});
    return rows;
}

PlayerState Playing(int row, bool paused = false, int elapsedMs = 0) {
    PlayerState player;
    player.isPlaying = 1;
    player.isPaused = paused;
    player.currentSong = row;
    player.elapsedMs = elapsedMs;
    return player;
}

}  // namespace

TEST(MediaStateTest, APlayingRowShowsItsSongAndWhereNextAndPreviousLead) {
    const MediaState first = MediaStateOf(Playing(0, false, 2500), ThreeRows(), {});
    EXPECT_EQ(first.status, PlaybackStatus::kPlaying);
    EXPECT_EQ(first.positionMs, 2500);
    EXPECT_FALSE(first.seeking);
    PlayerState seeking = Playing(0);
    seeking.pendingAction = kPendingSeek;
    EXPECT_TRUE(MediaStateOf(seeking, ThreeRows(), {}).seeking);
    EXPECT_TRUE(first.canGoNext);
    EXPECT_FALSE(first.canGoPrevious);
    const QVariantMap metadata = MetadataOf(first);
    EXPECT_EQ(metadata.value("xesam:title").toString(), QStringLiteral("One"));
    EXPECT_EQ(metadata.value("mpris:length").toLongLong(), 61'000'000);
    EXPECT_EQ(metadata.value("xesam:url").toString(), QStringLiteral("file:///m/one.mid"));
    EXPECT_EQ(metadata.value("mpris:trackid").value<QDBusObjectPath>(), TrackIdOf(0));

    const MediaState last = MediaStateOf(Playing(2, true), ThreeRows(), {true, true});
    EXPECT_EQ(StatusText(last.status), QStringLiteral("Paused"));
    EXPECT_FALSE(last.canGoNext);  // Next past the last row stops, auto repeat or not
    EXPECT_TRUE(last.canGoPrevious);
    // A song without a known play time has no length.
    EXPECT_FALSE(MetadataOf(MediaStateOf(Playing(1), ThreeRows(), {})).contains("mpris:length"));
}

TEST(MediaStateTest, IdleOrPlayingARowTheShownListNoLongerHasThereIsNoSongToShow) {
    const MediaState idle = MediaStateOf(PlayerState{}, ThreeRows(), {});
    EXPECT_EQ(StatusText(idle.status), QStringLiteral("Stopped"));
    EXPECT_TRUE(idle.canPlay);
    EXPECT_FALSE(idle.canGoNext || idle.canGoPrevious);
    EXPECT_EQ(MetadataOf(idle),
              (QVariantMap{{"mpris:trackid", QVariant::fromValue(TrackIdOf(-1))}}));
    EXPECT_FALSE(MediaStateOf(PlayerState{}, SongRows{}, {}).canPlay);

    const MediaState gone = MediaStateOf(Playing(7), ThreeRows(), {});
    EXPECT_EQ(MetadataOf(gone),
              (QVariantMap{{"mpris:trackid", QVariant::fromValue(TrackIdOf(7))}}));
    EXPECT_FALSE(gone.canGoNext);
}

TEST(MediaStateTest, WhileADialogIsInFrontNothingCanBeAsked) {
    const QVariantMap busy = ChangingProperties(MediaStateOf(Playing(1), ThreeRows(), {}, true));
    for (const char* name : {"CanGoNext", "CanGoPrevious", "CanPlay", "CanPause", "CanSeek"})
        EXPECT_EQ(busy.value(name), false) << name;
    EXPECT_EQ(busy.value("PlaybackStatus"), QStringLiteral("Playing"));
    const QVariantMap free = ChangingProperties(MediaStateOf(Playing(1), ThreeRows(), {}));
    EXPECT_EQ(ChangedEntries(busy, free).size(), 5);
}

TEST(MediaStateTest, OnlyThePropertiesThatChangedAreTold) {
    const QVariantMap playing = ChangingProperties(MediaStateOf(Playing(0), ThreeRows(), {}));
    const QVariantMap later =
        ChangingProperties(MediaStateOf(Playing(0, false, 9000), ThreeRows(), {}));
    EXPECT_TRUE(ChangedEntries(playing, later).isEmpty()) << "the position is not among them";

    const QVariantMap next = ChangingProperties(MediaStateOf(Playing(1), ThreeRows(), {}));
    EXPECT_EQ(ChangedEntries(playing, next).keys(), (QStringList{"CanGoPrevious", "Metadata"}));

    const QVariantMap paused = ChangingProperties(MediaStateOf(Playing(1, true), ThreeRows(), {}));
    EXPECT_EQ(ChangedEntries(next, paused),
              (QVariantMap{{"PlaybackStatus", QStringLiteral("Paused")}}));

    const QVariantMap idle = ChangingProperties(MediaStateOf(PlayerState{}, ThreeRows(), {}));
    EXPECT_EQ(ChangedEntries(paused, idle).keys(),
              (QStringList{"CanGoNext", "CanGoPrevious", "CanPause", "CanSeek", "Metadata",
                           "PlaybackStatus"}));
    EXPECT_EQ(ChangedEntries({}, idle), idle);
}
