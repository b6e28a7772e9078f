// The DLL's entry point. It records the module handle, through which the
// plug-in finds its own file and, later, its resources; it always succeeds.
// Linked into the DLL itself, not into the back-end's library, so that the
// C runtime's default entry point can never be chosen in its place.
#include <windows.h>

#include "platform/platform.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID /*reserved*/) {
  if (reason == DLL_PROCESS_ATTACH) kalendra::platform::RecordModuleHandle(module);
  return TRUE;
}
