// Backup file names, free of any system call.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr size_t kBackupTitleLength = 28;
// A path and its terminator must fit MAX_PATH (260): 259 characters at most.
constexpr size_t kMaxBackupNameLength = 259;

// The first 28 bytes of the note (missing bytes count as zero) with every byte
// that may not stand in a file name, or is not plain printable ASCII, made '_'.
void BackupTitle(const char *noteText, char (&title)[kBackupTitleLength + 1]);

// folder + "QuilletBackup [" + seconds (low 32 bits, signed) + "] ['" + title
// + "..." + "].txt", cut to outSize - 1 characters of the folder's width (the
// program's folder is UTF-16). Returns the whole name's length.
template <class Char>
size_t ComposeBackupName(const Char *folder, int64_t secondsSince1970, const char *noteText,
                         Char *out, size_t outSize);
