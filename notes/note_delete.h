// Deleting the selected note, optionally keeping a time-stamped backup.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>

void DeleteNote(HWND window);

// The backup name for the note in `slot`, or false (after telling the user and
// asking the program to end) when it would be longer than a path may be.
bool BackupFileName(std::string &name, int32_t slot);
