// What libplatform.so shows to the programs that link it. Everything of the platform lives in
// namespace platform and is hidden unless marked: PLATFORM_API for what the library, the player
// and the command-line program use; PLATFORM_TEST_API for the hooks that only tests and
// benchmarks reach, exported only by the testing build of the library (libplatform_testing.so).
#pragma once

#define PLATFORM_API __attribute__((visibility("default")))

#if defined(PLATFORM_TESTING)
#define PLATFORM_TEST_API __attribute__((visibility("default")))
#else
#define PLATFORM_TEST_API __attribute__((visibility("hidden")))
#endif
