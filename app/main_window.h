// The NoteWindow as the program runs it: the window's own handling, plus the
// tray icon's callback and the tray menu's commands.
#pragma once
#include <windows.h>

INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
