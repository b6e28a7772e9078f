// The module the plug-in's code lives in, for its resources: the DLL, or
// the program a test links the back-end into.
#pragma once

#include <windows.h>

namespace kalendra::platform {

// The handle the DLL's entry point recorded; null in a program, which
// Windows reads as the program's own module.
HMODULE PluginModule();

}  // namespace kalendra::platform
