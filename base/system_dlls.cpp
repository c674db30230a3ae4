#include "system_dlls.h"
#include "fixed_text.h"

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

void WindowsProgramPath(const wchar_t *name, wchar_t *path, size_t pathSize) {
    wchar_t folder[MAX_PATH] = {};
    // The system's own: on a Remote Desktop server the Windows folder may be
    // a private one of the user's, which holds no programs.
    UINT length = GetSystemWindowsDirectoryW(folder, MAX_PATH);
    WideText full(path, pathSize);
    if (length == 0 || length >= MAX_PATH) return;
    full.add(folder, length);
    if (folder[length - 1] != L'\\') full.add(L'\\');
    full.add(name);
    if (full.cut() && pathSize > 0) path[0] = L'\0';
}
