#include "terms.h"
#include "../links/links_dialog.h"
#include "../res/resource.h"
#include "../base/app_state.h"
#include "../base/win_handles.h"
#include "terms_text.h"

namespace {

bool AcceptedEarlier() {
    // Opened for writing too, as before: a file that cannot be written to
    // does not count. Only its first line is read.
    UniqueHandle file(CreateFileW(kAcceptanceFileName, GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                  nullptr));
    if (!file.valid()) return false;
    static char line[4096];
    DWORD got = 0;
    if (!ReadFile(file.get(), line, sizeof(line) - 1, &got, nullptr)) got = 0;
    line[got] = '\0';
    for (DWORD i = 0; i < got; ++i)
        if (line[i] == '\n' || line[i] == '\x1A') line[i] = '\0';
    return AcceptanceLineMatches(line, kAcceptanceText);
}

// True once the whole acceptance line has reached the disk.
bool RecordAcceptance() {
    UniqueHandle file(CreateFileW(kAcceptanceFileName, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    bool written = WriteAllBytes(file.get(), kAcceptanceText, sizeof(kAcceptanceText) - 1);
    if (file.reset() && written) return true;
    // An acceptance that did not reach the disk counts as never recorded.
    DeleteFileW(kAcceptanceFileName);
    return false;
}

} // namespace

bool CheckTermsAccepted() {
    if (AcceptedEarlier()) return true;
    if (ShowMessage(nullptr, kDisclaimerText, MB_ICONWARNING | MB_YESNO) != IDYES) return false;
    if (!RecordAcceptance()) {
        ShowMessage(nullptr, kAcceptanceCreationErrorText);
        return false;
    }
    if (ShowMessage(nullptr, kLinksQuestionText, MB_ICONWARNING | MB_YESNO) == IDYES)
        DialogBoxParamA(g_app.instance, MAKEINTRESOURCEA(IDD_LINKS), nullptr, LinksDialogProc, 0);
    static wchar_t note[kPathBufferSize + 512];
    SharedLocationNoteText(g_app.programFolder, note, kPathBufferSize + 512);
    ShowMessage(nullptr, note);
    return true;
}
