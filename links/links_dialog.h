// The Links dialog: one checkbox per shell location for the program's shortcut.
#pragma once
#include <windows.h>

INT_PTR CALLBACK LinksDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
