// The file device's further uses: writing into a file the caller has opened, and telling why
// the last write failed. (Choosing the device by path is WaveOutUseFile in waveout.h.)
#pragma once

#include "platform/export.h"

namespace platform {

// One device that writes every queued block, in order, into the open file from its current
// offset: a WAV file whose header is completed at close (the file must be seekable then), or the
// raw bytes. The file stays open and the caller's; nothing is renamed or removed.
PLATFORM_API void WaveOutUseOpenFile(int file, bool raw);

// The errno of the file device's first failure to create, write or complete its file since the
// device was last opened; 0 when there was none.
PLATFORM_API int WaveOutFileError();

}  // namespace platform
