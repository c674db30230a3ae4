#include "program_path.h"
#include <windows.h>
#include <shlwapi.h>
#include <cstring>

void ExecutablePath(char (&path)[kExecutablePathSize]) {
    path[0] = '\0';
    DWORD length = GetModuleFileNameA(nullptr, path, kExecutablePathSize);
    if (length == 0 || length >= kExecutablePathSize) path[0] = '\0';
}

void ProgramFolderOf(const char *executablePath, char *folder, size_t outSize) {
    if (outSize == 0) return;
    char path[kExecutablePathSize + 1] = {};
    std::strncpy(path, executablePath, kExecutablePathSize - 1);
    if (char *slash = std::strrchr(path, '\\')) slash[1] = '\0';
    PathAddBackslashA(path);
    std::memset(folder, 0, outSize);
    std::strncpy(folder, path, outSize - 1);
}
