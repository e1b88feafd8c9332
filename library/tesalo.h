/* tesalo: an integer wavetable synthesizer that plays one single-track Standard MIDI File at a
 * time on the wave output device, one quarter note per output block.
 *
 * USE
 *   TeInit once: output format, the window for notifications, synthesizer level, device choice.
 *   TeVoiceSet with the voice file, then TeSetStatus and SetMasterVolume with the settings.
 *   Per song: TeDataSet, TePlay, then wait for notification code 6 before the next TeDataSet.
 *   TeCleanUp at the end, once no song plays.
 *   Without a window system: TeCreateNotifyWindow for the parent, TeWaitNotify for the codes
 *   (and TeSetOutputFile before TeInit to write a WAV file).
 *
 * RESULTS
 *   1 success and 0 failure unless a function says otherwise. A function that fails shows its
 *   own message box first (caption "TESALO.DLL"; Japanese when the system language is), except
 *   where it says "silently". Boxes go through the platform's message box presenter, on the
 *   thread that failed: for TeSetNextBuffer that is the library's own thread.
 *
 * NOTIFICATIONS
 *   Everything that happens later is reported by posting the message registered as
 *   TE_NOTIFY_MESSAGE, "TEDLL_NOTIFY" (RegisterMessageName gives the same number everywhere in the
 *   process), to the parent window; wParam is the code (TE_NOTIFY_*), lParam the value:
 *     0  INIT: TeInit is done: 0 initialised, 1 failed (none after an allocation failure)
 *     1  PLAY: TePlay is done: 0 started, 1 failed
 *     4  LOAD: a block is rendered: load + 65536 x busy ms (load: the busy time in percent of
 *        the block's playing time)
 *     5  DURATION: then the block's musical length in ms
 *     3  POLYPHONY: then peak voices + 256 x peak notes requested during the block
 *     2  BLOCK_COUNT: then blocks rendered since TePlay
 *     6  END: playback is over: 0 the song ended or TeStop, 1 the device refused a block
 *   TePlay posts 4, 5, 3, 2 for each of the first two blocks before its code 1.
 *
 * THREADS
 *   Call the library from one thread of your own, the one that takes the parent window's
 *   messages. While a song plays (TePlay until code 6) only TeStop, TePause, TeResume,
 *   TeSetStatus, SetMasterVolume, TeGetSystemVolume, TeSetSystemVolume, TeGetParent and GetVersion
 *   may be called; TeDataSet, TePlay, TeVoiceSet and TeCleanUp wait for code 6. TeInit starts the
 *   library's own thread and returns once it runs. TePlay renders the first two blocks on the
 *   caller's thread; after that the library's thread runs TeSetNextBuffer for every block the
 *   device has played. Message boxes aside, the library calls nothing of the caller's: reports
 *   arrive as posted messages, in order, in the queue of the parent window's thread (a bridge
 *   window's callback runs on the posting thread, which may be the library's). No locks are
 *   taken: a setting changed during playback is read at its next use.
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

typedef uintptr_t TeWindow;           /* a message window of the platform layer */
typedef struct WAVEBUFFER WAVEBUFFER; /* one output buffer of the library */

/* The message posted to the parent window for every notification, by its registered name. */
#define TE_NOTIFY_MESSAGE "TEDLL_NOTIFY"
/* Notification codes: the message's wParam (NOTIFICATIONS above tells their lParam). */
#define TE_NOTIFY_INIT 0u        /* TeInit is done */
#define TE_NOTIFY_PLAY 1u        /* TePlay is done */
#define TE_NOTIFY_BLOCK_COUNT 2u /* blocks rendered since TePlay */
#define TE_NOTIFY_POLYPHONY 3u   /* peak voices and notes of the block */
#define TE_NOTIFY_LOAD 4u        /* load and busy time of the block */
#define TE_NOTIFY_DURATION 5u    /* the block's musical length */
#define TE_NOTIFY_END 6u         /* playback is over */

/* Voices that may sound at once (TeSetStatus): the range and the limit TeInit sets. */
#define TE_POLY_MIN 8
#define TE_POLY_MAX 32
#define TE_POLY_DEFAULT 16

/* Synthesizer output level (TeInit, SetMasterVolume): silent .. full. */
#define TE_LEVEL_MIN 0
#define TE_LEVEL_MAX 16

/* Output formats of TeInit, all mono. Any other value plays at 22050 Hz, 8 bit. */
#define TE_FORMAT_22K_8 0x0010u  /* 22050 samples per second, 8 bit unsigned */
#define TE_FORMAT_22K_16 0x0040u /* 22050 samples per second, 16 bit signed */
#define TE_FORMAT_44K_8 0x0100u  /* 44100 samples per second, 8 bit unsigned */
#define TE_FORMAT_44K_16 0x0400u /* 44100 samples per second, 16 bit signed */

/* Opens the output device, starts the library's thread, builds the tables; polyLimit
 * TE_POLY_DEFAULT, filter off. 1; 0 when already initialised or the device refuses to open (both
 * also post code 0 with value 1), or out of memory. waveFormatFlag  one TE_FORMAT_* value parent
 * the window that receives TE_NOTIFY_MESSAGE masterVolume    synthesizer level
 * TE_LEVEL_MIN..TE_LEVEL_MAX, as SetMasterVolume bWaveMapper     non-zero: the system's default
 * output device; 0: the first device that lists the format flag, else the default one */
TESALO_API int32_t TeInit(uint32_t waveFormatFlag, TeWindow parent, uint8_t masterVolume,
                          int32_t bWaveMapper);
/* Closes the device, ends the library's thread, frees buffers, voices and song; stop playback
 * and wait for code 6 first. 1; 0 when not initialised. */
TESALO_API int32_t TeCleanUp(void);
/* Loads the tones and drums of a voice file (voice.txt, version 2): image its bytes, length their
 * count. A later call replaces the tones and drums that its file defines. The caller may free the
 * image afterwards. 1; 0 when not initialised or the file is refused. */
TESALO_API int32_t TeVoiceSet(const uint8_t* image, int32_t length);
/* polyLimit: voices that may sound at once, TE_POLY_MIN..TE_POLY_MAX; other values keep the
 * current limit.
 * bLPFDelay: 1 the low-pass filter on the output (and the echo, at 16 bits); other values off.
 * Both apply to what is rendered after the call. Always 1. */
TESALO_API int32_t TeSetStatus(int32_t polyLimit, int32_t bLPFDelay);
/* Synthesizer output level TE_LEVEL_MIN (silent) .. TE_LEVEL_MAX (full), scaling every voice;
 * above the full level counts as full. Also before TeInit, which then sets its own level.
 * Always 1. */
TESALO_API int32_t SetMasterVolume(uint8_t level);
/* Copies a Standard MIDI File image of length bytes for the next TePlay; the caller may free its
 * own at once. Only the first track chunk plays: merge other tracks into it first. The image is
 * not checked here. 1; 0 out of memory, or silently for a negative length or a null image of
 * positive length. */
TESALO_API int32_t TeDataSet(const uint8_t* image, int32_t length);
/* Starts the image of the last TeDataSet: renders and queues the first two blocks, posts code 1
 * with value 0 and returns 1 (a track with nothing to play queues nothing and posts code 6 at
 * once). 0 with code 1, value 1: not initialised, the device refused a block, or, silently, an
 * image shorter than its two headers (22 bytes), of division 0 or whose track starts beyond its
 * end. */
TESALO_API int32_t TePlay(void);

/* Starting further into the song. */
/* TePlay, but from startMs milliseconds into the song's output: from output sample
 * startMs x rate / 1000 (rounded down). The blocks before it run on the caller's thread without
 * being played or reported; from that sample on, the output is byte for byte TePlay's (voices,
 * envelopes, tempo, channels, filter and echo go on as if heard), the settings of now taken for
 * the whole song. The first block queued begins at that sample, the part of its block before it
 * left out; its code 5 gives the musical length from there (the played time, the sum of the
 * code 5 values, counts from the start time), and code 2 counts from 1 as after TePlay. A start
 * at or past the song's end queues nothing and posts codes 1 (value 0) and 6 (value 0). 0 is
 * TePlay. Results as TePlay's. Takes milliseconds per minute skipped: the voices are moved
 * through the part before the start, not rendered. */
TESALO_API int32_t TePlayFrom(uint32_t startMs);
/* Ends the song without waiting: no further block is rendered, the queued ones (up to two, of at
 * most two seconds each) play out, then code 6 with value 0 arrives. Harmless while idle (TePlay
 * clears it). While the device is held (TePause) the queued blocks are dropped unplayed instead,
 * and code 6 comes at once. Always 1. */
TESALO_API int32_t TeStop(void);

/* Pausing. */
/* Holds the device: the sound stops (what the sound card has buffered plays out first), the
 * queued blocks wait, no block is rendered or reported, the song stands still where it is. The
 * hold lasts, across TeStop and TePlay, until TeResume; a device that takes every block at once
 * (TeSetOutputFile) is never held. 1; 0 when not initialised. */
TESALO_API int32_t TePause(void);
/* Lets a held device play on from where it stood. 1; 0 when not initialised. */
TESALO_API int32_t TeResume(void);
/* Runs on the library's own thread for every block the device has played: renders the next
 * block into the freed buffer and queues it, or posts code 6 once the last has played. Callers
 * never call it. 1; 0 when the device refused to take a block (code 6 with value 1). */
TESALO_API int32_t TeSetNextBuffer(void);
/* The device volume: low 16 bits left, high 16 bits right, each 0 silent to 0xFFFF full (the
 * sound card plays the mono output at the mean of both). 0 when not initialised or, silently,
 * when the query fails: the same as a silent device. */
TESALO_API uint32_t TeGetSystemVolume(void);
/* Sets the device volume, in TeGetSystemVolume's form, passed through unchanged. 1; 0 when not
 * initialised or, silently, when the device refuses it. */
TESALO_API int32_t TeSetSystemVolume(uint32_t volume);
/* The parent window of the latest TeInit, also of one refused; 0 before the first. */
TESALO_API TeWindow TeGetParent(void);
/* Always 98, initialised or not. */
TESALO_API int32_t GetVersion(void);

/* A program without a window system of its own (a command-line tool, a C program) takes the
 * notifications from a notification window of its thread, and may send the output to a WAV file
 * instead of the sound card. */
/* A window of the calling thread to pass to TeInit as parent; 0 when none can be made. */
TESALO_API TeWindow TeCreateNotifyWindow(void);
/* Waits up to timeoutMs for the next notification in the calling thread's queue and stores its
 * code and value; other messages of the queue are handled meanwhile. 1; 0 when the time passed
 * (or the thread's quit message came) first. */
TESALO_API int32_t TeWaitNotify(uint32_t timeoutMs, uint32_t* code, intptr_t* value);
/* Removes a window of TeCreateNotifyWindow. 1; 0 when it does not exist. */
TESALO_API int32_t TeDestroyNotifyWindow(TeWindow window);
/* Chooses the device of the next TeInit: path non-null, one that writes every block to a WAV
 * file at path (mono PCM in TeInit's format; written aside, it appears whole at TeCleanUp);
 * NULL, the sound card again. 1; 0, silently, while initialised (nothing changes). */
TESALO_API int32_t TeSetOutputFile(const char* path);

/* Engine entry points: exported, but called only inside the library (WAVEBUFFER is its own). */
/* Renders the next quarter note of the song into buffer and posts codes 4, 5, 3, 2: 1; 0 when
 * the track had already ended (nothing rendered or posted). */
TESALO_API int32_t DecodeSmf(WAVEBUFFER* buffer);
/* The block's mix into the buffer's PCM, through the filter and echo of TeSetStatus; always 1. */
TESALO_API int32_t WaveSet(WAVEBUFFER* buffer);
/* Renders ticks of MIDI time at the current tempo into the block's mix: 1; 0 when the block
 * would pass two seconds (nothing is rendered). */
TESALO_API int32_t WaveSynth(uint32_t ticks);
/* One request of the voice pool.
 *   request     0 all notes off on the channel, 1 note off, 2 note on, 3 re-tune the channel's
 *               voices to its pitch bend, 4 note on that never takes over a sounding voice of
 *               the same key while one is free
 *   key         MIDI key; a note on takes 9..105 (on channel 10, keys 25..87 choose a drum,
 *               the others play the default one)
 *   velocity    0..127
 *   channel     1..16, 10 the drums
 *   tickOffset  ticks since the block start (a full pool steals the oldest voice)
 * A note on gives the voice index 0..polyLimit-1, the other requests 1; -1 for a note on of a
 * key outside 9..105, an unknown request or a channel outside 1..16. */
TESALO_API int32_t VoiceManager(int32_t request, uint8_t key, uint8_t velocity, uint8_t channel,
                                uint32_t tickOffset);

#ifdef __cplusplus
}
#endif

#endif
