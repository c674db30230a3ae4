#include "lifecycle.h"

// The program takes no arguments and has no global objects to construct or
// destroy, so it needs none of the C runtime's start-up: the system starts it
// here, and the exit code goes straight to ExitProcess.
extern "C" void WINAPI QuilletStart() {
    ExitProcess(static_cast<UINT>(RunQuillet(GetModuleHandleW(nullptr))));
}
