#include "note_delete.h"
#include "../base/app_state.h"
#include "backup_name.h"
#include "note_store.h"
#include <ctime>

bool BackupFileName(char (&name)[kPathBufferSize], int32_t slot) {
    const NoteRecord *note = FindNoteBySlot(g_app.notes, slot);
    size_t length = ComposeBackupName(g_app.programFolder, static_cast<int64_t>(std::time(nullptr)),
                                      note ? note->text : "", name, sizeof(name));
    if (length <= kMaxBackupNameLength) return true;
    name[0] = '\0';
    return false;
}

bool BackUpNoteFile(int32_t slot, const char *backup) {
    char noteFile[kPathBufferSize];
    NoteFileName(noteFile, slot);
    return CopyFileA(noteFile, backup, TRUE) != FALSE;
}

bool DeleteNoteFile(int32_t slot) {
    char noteFile[kPathBufferSize];
    NoteFileName(noteFile, slot);
    return DeleteFileA(noteFile) != FALSE;
}
