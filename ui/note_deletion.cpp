#include "note_deletion.h"
#include "../base/app_state.h"
#include "../notes/note_delete.h"
#include "../notes/note_store.h"
#include "../base/fixed_text.h"

namespace {

bool AskYes(HWND window, const char *question) {
    return ShowMessage(window, question, MB_ICONWARNING | MB_YESNO) == IDYES;
}

// A note whose file stays (read-only, or held open by another program) must
// not pass for deleted.
void DeleteOrSay(HWND window, int32_t slot) {
    if (DeleteNoteFile(slot)) return;
    wchar_t noteFile[kPathBufferSize];
    NoteFileName(noteFile, slot);
    TextBuffer<kPathBufferSize + 96, wchar_t> message;
    message.build.addAscii("ERROR: Could not delete '").add(noteFile);
    message.build.addAscii("'. The note has not been deleted.");
    ShowMessage(window, message.chars);
}

// Copies the note to its backup and deletes it only once the copy is safe.
// A backup name too long for a path ends the program after the reload.
void BackUpAndDelete(HWND window, int32_t slot) {
    wchar_t backup[kPathBufferSize];
    if (!BackupFileName(backup, slot)) {
        ShowMessage(nullptr,
                    "ERROR: PathFileName is too long. The application will exit (data will not be "
                    "saved or deleted).\n\nREASON: PathFileNames are limited to 256 characters. "
                    "Move the application and datafiles to a higher level and try again.");
        PostQuitMessage(0);
        return;
    }
    ShowMessage(window, backup);
    if (BackUpNoteFile(slot, backup)) {
        DeleteOrSay(window, slot); // the backup stays either way: it is a copy
        return;
    }
    ShowMessage(window, "ERROR: The Backup operation failed.\n\nREASON: The file or folder may be "
                        "locked by another process or you may not have sufficient privileges. Try "
                        "closing some applications and trying again or contact your system "
                        "administrator.");
}

} // namespace

void DeleteNoteAskingFirst(HWND window, int32_t slot) {
    if (!AskYes(window, "Delete selected note?\n\nContinue?")) return;
    Sleep(100);
    if (AskYes(window, "Delete selected note?\n\nAre you sure?\n\nContinue?")) {
        if (AskYes(window, "Make a backup of the Quillsheet?\n\nContinue?"))
            BackUpAndDelete(window, slot);
        else
            DeleteOrSay(window, slot);
    }
    SendMessageA(window, WM_RELOAD_NOTES, 0, 0);
}
