/* Plays a Standard MIDI File on the system's default sound device through libtesalo.
 *
 *   play_song VOICE_FILE SONG.mid
 *
 * VOICE_FILE is the voice set (pkg-config --variable=voicefile tesalo). The library plays the
 * first track of a song, so the tracks are merged into one first (smf_merge.c). */
#include <stdio.h>
#include <stdlib.h>
#include <tesalo.h>

#include "smf_merge.h"

/* The whole file in memory; NULL with a message when it cannot be read. */
static uint8_t* ReadWholeFile(const char* path, int32_t* length) {
    FILE* file = fopen(path, "rb");
    uint8_t* bytes = NULL;
    long size = -1;
    if (file != NULL && fseek(file, 0, SEEK_END) == 0 && (size = ftell(file)) >= 0 && fseek(file, 0, SEEK_SET) == 0) {
        bytes = malloc((size_t)size + 1);
        if (bytes != NULL && fread(bytes, 1, (size_t)size, file) != (size_t)size) {
            free(bytes);
            bytes = NULL;
        }
    }
    if (file != NULL) fclose(file);
    if (bytes == NULL) fprintf(stderr, "%s: cannot be read\n", path);
    *length = (int32_t)size;
    return bytes;
}

/* Takes the notifications until playback is over (code 6): 1 when the song played to its end. */
static int WaitForTheEnd(void) {
    uint32_t code;
    intptr_t value;
    while (TeWaitNotify(60000, &code, &value)) {
        if (code == 6) return value == 0;
    }
    return 0;
}

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
    if (voice != NULL && song != NULL && TeInit(TE_FORMAT_22K_16, window, 16, 1) == 1) {
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
