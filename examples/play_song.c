/* Plays a Standard MIDI File on the system's default sound device through libtesalo.
 *
 *   play_song VOICE_FILE SONG.mid
 *
 * VOICE_FILE is the voice set (pkg-config --variable=voicefile tesalo). The library plays the
 * first track of a song, so the tracks are merged into one first (smf_merge.c); example_io.c
 * reads the files and waits for the end. */
#include <stdio.h>
#include <stdlib.h>
#include <tesalo.h>

#include "example_io.h"
#include "smf_merge.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: %s VOICE_FILE SONG.mid\n", argv[0]);
        return 2;
    }
    int32_t voiceLength, songLength;
    uint8_t* voice = ReadWholeFile(argv[1], &voiceLength);
    uint8_t* file = ReadWholeFile(argv[2], &songLength);
    uint8_t* song = file != NULL ? MergeTracks(file, songLength, &songLength) : NULL;
    if (file != NULL && song == NULL) fprintf(stderr, "%s: not a MIDI file\n", argv[2]);
    TeWindow window = TeCreateNotifyWindow();
    int played = 0;
    /* bWaveMapper 1: the default output device, 22050 Hz 16 bit, full level. */
    if (voice != NULL && song != NULL && TeInit(TE_FORMAT_22K_16, window, TE_LEVEL_MAX, 1) == 1) {
        TeVoiceSet(voice, voiceLength);
        TeSetStatus(24, 1);
        TeDataSet(song, songLength);
        played = TePlay() == 1 && WaitForTheEnd();
        TeCleanUp();
    }
    TeDestroyNotifyWindow(window);
    free(voice);
    free(song);
    free(file);
    return played ? 0 : 1;
}
