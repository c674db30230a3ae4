// Windows' own DLLs and programs come from the system's folders alone, never
// from the program's folder or the current one, where anything downloaded
// beside it may lie.
#pragma once
#include <windows.h>

// Makes every later load by name, the program's own or one that a Windows DLL
// makes on its behalf, search System32 only. The first thing at start-up.
void RestrictDllSearchToSystem32();

// A procedure of a DLL that is not one of Windows' KnownDLLs, loaded from
// System32 alone the first time it is asked for and kept for the life of the
// process; null when it cannot be had.
FARPROC SystemDllProcedure(const wchar_t *dll, const char *procedure);

// The full path of a program in the system's Windows folder (`name` as "explorer.exe");
// empty when the path cannot be had whole.
void WindowsProgramPath(const wchar_t *name, wchar_t *path, size_t pathSize);
