// A planted winmm.dll: if a program loads it in place of Windows' own, it
// leaves the file "planted-dll-ran.txt" beside itself.
#define WIN32_LEAN_AND_MEAN // leaves out the declarations of the real winmm
#include "marker.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) LeaveMarkerBeside(instance, L"planted-dll-ran.txt");
    return TRUE;
}

extern "C" __declspec(dllexport) DWORD WINAPI timeGetTime() {
    return GetTickCount();
}
