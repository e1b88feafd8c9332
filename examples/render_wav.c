/* Renders a Standard MIDI File to a WAV file through libtesalo, as fast as the machine can.
 *
 *   render_wav VOICE_FILE SONG.mid OUT.wav
 *
 * VOICE_FILE is the voice set (pkg-config --variable=voicefile tesalo). TeSetOutputFile makes
 * the next TeInit open a device that writes every block to the file instead of the sound card;
 * the file appears whole at TeCleanUp. The library plays the first track of a song, so the
 * tracks are merged into one first (smf_merge.c); example_io.c reads the files and waits for
 * the end. */
#include <stdio.h>
#include <stdlib.h>
#include <tesalo.h>

#include "example_io.h"
#include "smf_merge.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        fprintf(stderr, "usage: %s VOICE_FILE SONG.mid OUT.wav\n", argv[0]);
        return 2;
    }
    int32_t voiceLength, songLength;
    uint8_t* voice = ReadWholeFile(argv[1], &voiceLength);
    uint8_t* file = ReadWholeFile(argv[2], &songLength);
    uint8_t* song = file != NULL ? MergeTracks(file, songLength, &songLength) : NULL;
    if (file != NULL && song == NULL) fprintf(stderr, "%s: not a MIDI file\n", argv[2]);
    TeWindow window = TeCreateNotifyWindow();
    int rendered = 0;
    TeSetOutputFile(argv[3]);
    if (voice != NULL && song != NULL && TeInit(TE_FORMAT_44K_16, window, TE_LEVEL_MAX, 0) == 1) {
        TeVoiceSet(voice, voiceLength);
        TeSetStatus(24, 1);
        TeDataSet(song, songLength);
        rendered = TePlay() == 1 && WaitForTheEnd();
        TeCleanUp();
    }
    TeDestroyNotifyWindow(window);
    free(voice);
    free(song);
    free(file);
    if (!rendered) {
        fprintf(stderr, "%s: not rendered\n", argv[2]);
        remove(argv[3]);
    }
    return rendered ? 0 : 1;
}
