// The NoteWindow's command table: every menu command and button, routed.
#pragma once
#include <windows.h>

void HandleNoteWindowCommand(HWND window, WPARAM wParam);
