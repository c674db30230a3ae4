// Removing a note's file, optionally after a time-stamped backup copy. These
// say nothing to the user; they return what happened.
#pragma once
#include <cstdint>
#include "../base/app_state.h"

// The backup name for the note in `slot`; false (and an empty name) when it
// would not fit a path.
bool BackupFileName(wchar_t (&name)[kPathBufferSize], int32_t slot);

// Copies the note's file to `backup`, never over an existing file.
bool BackUpNoteFile(int32_t slot, const wchar_t *backup);

// Deletes the note's file; false when it stays (read-only, held open).
bool DeleteNoteFile(int32_t slot);
