// Pre-scanning files on a thread of its own: reading a big song takes seconds, and the window
// must go on repainting, taking the library's reports and the raise requests meanwhile.
#pragma once

#include <cstddef>
#include <functional>

// Runs scanOne(0) ... scanOne(count - 1) in that order on a thread of its own and returns when
// all are done. Until then the calling (window) thread handles its events; user input waits,
// and a scan that takes long shows a modal progress dialog, which takes the input instead.
void ScanAside(std::size_t count, const std::function<void(std::size_t index)>& scanOne);

// True while a scan runs: what would start another (files handed over) waits for its end.
bool ScanAsideRunning();
