#include "note_delete.h"
#include "../base/app_state.h"
#include "backup_name.h"
#include "note_store.h"
#include <ctime>

bool BackupFileName(wchar_t (&name)[kPathBufferSize], int32_t slot) {
    const NoteRecord *note = FindNoteBySlot(g_app.notes, slot);
    size_t length = ComposeBackupName(g_app.programFolder, static_cast<int64_t>(std::time(nullptr)),
                                      note ? note->text : "", name, kPathBufferSize);
    if (length <= kMaxBackupNameLength) return true;
    name[0] = '\0';
    return false;
}

bool BackUpNoteFile(int32_t slot, const wchar_t *backup) {
    wchar_t noteFile[kPathBufferSize];
    NoteFileName(noteFile, slot);
    return CopyFileW(noteFile, backup, TRUE) != FALSE;
}

bool DeleteNoteFile(int32_t slot) {
    wchar_t noteFile[kPathBufferSize];
    NoteFileName(noteFile, slot);
    return DeleteFileW(noteFile) != FALSE;
}
