// The numbered note files beside the executable and the NoteTable built from them.
#pragma once
#include <cstdint>
#include "../app/app_state.h"

// Full path of a slot's file: ProgramFolder + "QuilletSlot" + N + ".txt".
void NoteFileName(char (&name)[kPathBufferSize], int32_t slot);

// Rebuilds g_app.notes from the slot files. Files are only read, never changed.
void LoadNotes();

// Saves the clipboard text as a new note in the lowest slot that has no file.
// Text that the ANSI code page holds exactly is stored as ANSI text, as
// always; any other text as UTF-8 behind the UTF-8 mark. An empty text is
// not saved.
void PasteNewNote();

extern const char kNothingToSaveMessage[];

// A UTF-8 note's exact text as Unicode.
void NoteTextAsUnicode(const NoteRecord &note, char16_t (&text)[kNoteTextSize]);
// Any note's text as the ANSI code page shows it (exact for an ANSI note).
void NoteTextAsAnsi(const NoteRecord &note, char *out, size_t outSize);
