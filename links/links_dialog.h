// The Links dialog: one checkbox per shell location for the program's shortcut.
#pragma once
#include <windows.h>

INT_PTR CALLBACK LinksDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Creates or rewrites the program's shortcut in `location`; asks before
// replacing one that points elsewhere, and says what went wrong.
void CreateProgramLink(HWND owner, const wchar_t *location);
