// Windows' own DLLs come from System32 alone, never from the program's folder,
// where anything downloaded beside it may lie.
#pragma once
#include <windows.h>

// Makes every later load by name, the program's own or one that a Windows DLL
// makes on its behalf, search System32 only. The first thing at start-up.
void RestrictDllSearchToSystem32();

// A procedure of a DLL that is not one of Windows' KnownDLLs, loaded from
// System32 alone the first time it is asked for and kept for the life of the
// process; null when it cannot be had.
FARPROC SystemDllProcedure(const wchar_t *dll, const char *procedure);
