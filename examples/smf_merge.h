/* The library plays the first track of a Standard MIDI File only: a format 1 file of several
 * tracks is merged into one first (the player and `tesalo` do the same). */
#ifndef SMF_MERGE_H
#define SMF_MERGE_H

#include <stdint.h>

/* A format 0 image with every event of every track in time order (at equal times, the earlier
 * track first); *mergedLength is its size. NULL when the image is no MIDI file it can read or
 * out of memory. The caller frees the image. */
uint8_t* MergeTracks(const uint8_t* image, int32_t length, int32_t* mergedLength);

#endif
