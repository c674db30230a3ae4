// The NoteWindow: hidden hub of the program, shown as the Copy Note list or
// the Manage Notes window. It handles its own buttons and list; the program
// above it adds the tray and the tray menu's commands.
#pragma once
#include <windows.h>
#include <cstdint>

INT_PTR CALLBACK NoteWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Refills both list boxes from the NoteTable.
void FillNoteLists(HWND window);

// Slot of the note shown in a row of the note list, or -1 when there is no
// such row. Each row carries its slot, so sorting cannot pair it with another.
int32_t SlotOfNoteRow(HWND window, int row);
