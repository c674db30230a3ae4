// A planted winmm.dll: if a program loads it in place of Windows' own, it
// leaves the file "planted-dll-ran.txt" beside itself.
#define WIN32_LEAN_AND_MEAN // leaves out the declarations of the real winmm
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    wchar_t path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameW(instance, path, MAX_PATH);
    while (length > 0 && path[length - 1] != L'\\')
        --length;
    lstrcpynW(path + length, L"planted-dll-ran.txt", MAX_PATH - static_cast<int>(length));
    CloseHandle(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    return TRUE;
}

extern "C" __declspec(dllexport) DWORD WINAPI timeGetTime() {
    return GetTickCount();
}
