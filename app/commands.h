// The tray menu's command table.
#pragma once
#include <windows.h>

// Runs a tray menu command for the NoteWindow; false for any other id.
bool RunTrayCommand(HWND window, int id);
