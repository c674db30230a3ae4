// The Delete button's questions, backup and messages, for one note.
#pragma once
#include <windows.h>
#include <cstdint>

// Asks twice, offers a backup, deletes the note in `slot` and reloads the
// window's lists. Every box is owned by `window`, but the path message.
void DeleteNoteAskingFirst(HWND window, int32_t slot);
