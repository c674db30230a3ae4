// Where the running program lives: the one place that asks the system.
#pragma once
#include <cstddef>

constexpr size_t kExecutablePathSize = 520;

// The executable's full path (empty if the system cannot say).
void ExecutablePath(char (&path)[kExecutablePathSize]);

// The executable's folder with a trailing backslash, at most outSize - 1
// characters; longer folders are cut (start-up refuses them first).
void ProgramFolderOf(const char *executablePath, char *folder, size_t outSize);
