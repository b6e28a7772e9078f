// The export macro of the shell library's C++ interface (the shell's entry
// point and the test hooks); the 21 C services use the interface header's.
#pragma once

#if defined(_WIN32)
#if defined(TORVANE_BUILDING_SERVICES)
#define TORVANE_API __declspec(dllexport)
#else
#define TORVANE_API __declspec(dllimport)
#endif
#else
#define TORVANE_API __attribute__((visibility("default")))
#endif
