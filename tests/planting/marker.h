// What a planted DLL or program does when it runs: it leaves a file of the
// given name beside itself.
#pragma once
#include <windows.h>

inline void LeaveMarkerBeside(HMODULE module, const wchar_t *name) {
    wchar_t path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    while (length > 0 && path[length - 1] != L'\\')
        --length;
    lstrcpynW(path + length, name, MAX_PATH - static_cast<int>(length));
    CloseHandle(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
}
