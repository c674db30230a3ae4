// The numbered note files beside the executable and the NoteTable built from them.
#pragma once
#include <cstdint>
#include "../app/app_state.h"

// Full path of a slot's file: ProgramFolder + "QuilletSlot" + N + ".txt".
void NoteFileName(char (&name)[kPathBufferSize], int32_t slot);

// Rebuilds g_app.notes from the slot files. Files are only read, never changed.
void LoadNotes();

// Saves the clipboard text as a new note in the lowest slot that has no file.
void PasteNewNote();
