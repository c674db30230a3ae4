#include "lifecycle.h"

// Started through the toolchain's normal start-up, so that global objects are
// constructed and destroyed as C++ says; the exit code is WinMain's.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return RunQuillet(instance);
}
