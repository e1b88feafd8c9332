/* What both examples need around the library: a file read whole, and the wait for the end. */
#ifndef TESALO_EXAMPLE_IO_H
#define TESALO_EXAMPLE_IO_H

#include <stdint.h>

/* The whole file in memory (free() it); NULL with a message when it cannot be read. */
uint8_t* ReadWholeFile(const char* path, int32_t* length);

/* Takes the notifications until playback is over (code 6): 1 when the song played to its end. */
int WaitForTheEnd(void);

#endif
