// What libplatform.so shows to the programs that link it. Everything of the platform lives in
// namespace platform and is hidden unless marked PLATFORM_API: what the library, the player and
// the command-line program use. Tests and benchmarks link the same objects statically
// (platform_static), where the backends' internals are reachable to the test doubles.
#pragma once

#define PLATFORM_API __attribute__((visibility("default")))
