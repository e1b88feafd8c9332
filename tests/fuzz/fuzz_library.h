// The library on the null device with an instant device, started once per fuzzing process, and
// a song played through TePlay with a cap on the blocks it may ask for.
#pragma once

#include <cstddef>
#include <cstdint>

// TeInit (once) with format 0..3 (22 kHz 8 bit, 22 kHz 16 bit, 44 kHz 8 bit, 44 kHz 16 bit);
// another format than the running one restarts the library. The bundled voice set is loaded at
// each start.
void StartFuzzLibrary(int format);
// The output format of the input's choice 0..3, or -1 when the fuzzing session is held to
// another one (TESALO_FUZZ_FORMAT=0..3: a format change restarts the library, which is slow).
int ChosenFormat(int choice);
// Empties the voice table, as a library without a voice file has it.
void ForgetVoices();
// TeDataSet + TePlay of the image; lets at most maxBlocks blocks be rendered, then TeStop, and
// waits for the end of playback. Aborts when the library neither ends nor reports in 20 s.
void PlayCapped(const std::uint8_t* image, std::size_t size, int maxBlocks);
