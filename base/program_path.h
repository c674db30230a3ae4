// Where the running program lives: the one place that asks the system. Paths
// are wide (UTF-16) text, so that a folder in any language is spelled exactly.
#pragma once
#include <cstddef>

constexpr size_t kExecutablePathSize = 520;

// The executable's full path (empty if the system cannot say).
void ExecutablePath(wchar_t (&path)[kExecutablePathSize]);

// A file's full path as the file system spells it: long names in the disk's
// case, whatever spelling or short names `path` uses (`path` itself when the
// system cannot say).
void CanonicalPath(const wchar_t *path, wchar_t (&canonical)[kExecutablePathSize]);
// The executable's path so, whatever spelling started it.
void CanonicalExecutablePath(wchar_t (&path)[kExecutablePathSize]);

// The executable's folder with a trailing backslash, at most outSize - 1
// characters; longer folders are cut (start-up refuses them first).
void ProgramFolderOf(const wchar_t *executablePath, wchar_t *folder, size_t outSize);
