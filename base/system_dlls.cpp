#include "system_dlls.h"

void RestrictDllSearchToSystem32() {
    using SetDefaultDllDirectoriesProc = BOOL(WINAPI *)(DWORD);
    // From Windows 7 with KB2533623 on; older systems lack it.
    auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesProc>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    // At least the current folder is then no longer searched.
    SetDllDirectoryW(L"");
}

FARPROC SystemDllProcedure(const wchar_t *dll, const char *procedure) {
    HMODULE module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module ? GetProcAddress(module, procedure) : nullptr;
}
