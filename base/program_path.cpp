#include "program_path.h"
#include <windows.h>
#include "fixed_text.h"

void ExecutablePath(wchar_t (&path)[kExecutablePathSize]) {
    path[0] = L'\0';
    DWORD length = GetModuleFileNameW(nullptr, path, kExecutablePathSize);
    if (length == 0 || length >= kExecutablePathSize) path[0] = L'\0';
}

void ProgramFolderOf(const wchar_t *executablePath, wchar_t *folder, size_t outSize) {
    size_t length = TextLength(executablePath);
    size_t end = length;
    while (end > 0 && executablePath[end - 1] != L'\\')
        --end;
    if (end == 0) end = length; // no folder part: the path as it stands
    WideText path(folder, outSize);
    path.add(executablePath, end);
    if (end > 0 && executablePath[end - 1] != L'\\') path.add(L'\\');
}
