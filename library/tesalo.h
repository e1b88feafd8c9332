/* tesalo: an integer wavetable synthesizer that plays one single-track Standard MIDI File at a
 * time on the wave output device, one quarter note per output block.
 *
 * Use: TeInit once; TeVoiceSet with the voice file, TeSetStatus and SetMasterVolume with the
 * settings; then per song TeDataSet and TePlay, and wait for notification code 6; TeCleanUp at
 * the end. Results: 1 success, 0 failure. Progress arrives as the registered message
 * "TEDLL_NOTIFY" posted to the parent window (wParam code, lParam value):
 *   0 TeInit done (0 ok, 1 failed)       1 TePlay done (0 started, 1 failed)
 *   4 load + 65536 x busy ms of a block  5 musical length of the block in ms
 *   3 peak voices + 256 x peak notes     2 blocks rendered so far
 *   6 playback over (0 ended or stopped, 1 the device refused a block)
 */
#ifndef TESALO_H
#define TESALO_H

#include <stdint.h>

#if defined(TESALO_BUILDING)
#define TESALO_API __attribute__((visibility("default")))
#else
#define TESALO_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef uintptr_t TeWindow;             /* a message window of the platform layer */
typedef struct WAVEBUFFER WAVEBUFFER;   /* one output buffer of the library */

/* Wave format flags of TeInit: mono 22050 Hz 8 bit, 22050 16 bit, 44100 8 bit, 44100 16 bit. */
#define TE_FORMAT_22K_8 0x0010u
#define TE_FORMAT_22K_16 0x0040u
#define TE_FORMAT_44K_8 0x0100u
#define TE_FORMAT_44K_16 0x0400u

/* Opens the output device for the format flag, starts the ready thread, builds the tables. */
TESALO_API int32_t TeInit(uint32_t waveFormatFlag, TeWindow parent, uint8_t masterVolume,
                          int32_t bWaveMapper);
/* Frees everything and closes the device; the caller stops playback first. */
TESALO_API int32_t TeCleanUp(void);
/* Loads the voice-definition file image (tones and drums). */
TESALO_API int32_t TeVoiceSet(const uint8_t* image, int32_t length);
/* Polyphony limit 8..32 (other values keep the old one) and the filter/echo option (1 on). */
TESALO_API int32_t TeSetStatus(int32_t polyLimit, int32_t bLPFDelay);
/* Synthesizer output level 0..16 (above 16 counts as 16). */
TESALO_API int32_t SetMasterVolume(uint8_t level);
/* Copies a single-track Standard MIDI File image for the next TePlay. */
TESALO_API int32_t TeDataSet(const uint8_t* image, int32_t length);
/* Starts playing the image: renders and queues the first two blocks. */
TESALO_API int32_t TePlay(void);
/* Asks playback to end; the queued blocks play out, then code 6 arrives. Always 1. */
TESALO_API int32_t TeStop(void);
/* Renders and queues the next block (called by the ready thread for every played block). */
TESALO_API int32_t TeSetNextBuffer(void);
/* The device volume: low 16 bits left, high 16 bits right; 0 on failure. */
TESALO_API uint32_t TeGetSystemVolume(void);
TESALO_API int32_t TeSetSystemVolume(uint32_t volume);
/* The window given to the latest TeInit. */
TESALO_API TeWindow TeGetParent(void);
/* Always 98. */
TESALO_API int32_t GetVersion(void);

/* Engine entry points, used inside the library. */
TESALO_API int32_t DecodeSmf(WAVEBUFFER* buffer);   /* one block into the buffer: 1, or 0 at the end */
TESALO_API int32_t WaveSet(WAVEBUFFER* buffer);     /* the block's mix to PCM; always 1 */
TESALO_API int32_t WaveSynth(uint32_t ticks);       /* renders ticks of audio into the mix */
TESALO_API int32_t VoiceManager(int32_t request, uint8_t key, uint8_t velocity, uint8_t channel,
                                uint32_t tickOffset); /* 0 all off, 1 off, 2 on, 3 re-tune, 4 on */

#ifdef __cplusplus
}
#endif

#endif
