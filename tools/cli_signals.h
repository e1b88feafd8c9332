// Stopping `tesalo render` on SIGINT, SIGTERM and SIGHUP. The handler only notes the signal and
// wakes a waiting poll through a pipe; the render loops ask, stop their work, remove what they
// wrote and end with 128 + the signal. Writes that fail (a reader gone, a file size limit) are
// told as failed writes instead of ending the program.
#pragma once

// Installs the handlers (once; a forked worker keeps them) and ignores SIGPIPE and SIGXFSZ.
void CatchStopSignals();
// The first stop signal received, or 0.
int StopSignal();
// A pipe's reading end that becomes readable when a stop signal arrives.
int StopSignalPipe();
// Reads away what the pipe holds (it is non-blocking).
void DrainStopSignalPipe();
// The exit code after a stop signal: 128 + the signal.
int StoppedExitCode();
