// A program that imports winmm statically, as Quillet.exe once did: the proof
// that a planted winmm.dll beside it runs.
#include <windows.h>
#include <mmsystem.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return timeGetTime() == 0 ? 1 : 0;
}
