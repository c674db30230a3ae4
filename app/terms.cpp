#include "terms.h"
#include "../links/links_dialog.h"
#include "../res/resource.h"
#include "../base/app_state.h"
#include "terms_text.h"
#include <cstdio>
#include <cstring>

namespace {

bool AcceptedEarlier() {
    // "r+" as before: a file that cannot be written to does not count.
    std::FILE *file = std::fopen(kAcceptanceFileName, "r+");
    if (!file) return false;
    static char line[4096];
    std::memset(line, 0, sizeof(line));
    if (!std::fgets(line, sizeof(line), file)) line[0] = '\0';
    std::fclose(file);
    return AcceptanceLineMatches(line, kAcceptanceText);
}

} // namespace

bool CheckTermsAccepted() {
    if (AcceptedEarlier()) return true;
    if (ShowMessage(nullptr, kDisclaimerText, MB_ICONWARNING | MB_YESNO) != IDYES) return false;
    std::FILE *file = std::fopen(kAcceptanceFileName, "w+");
    // Flushed and checked before the close: some C runtimes forget a failed
    // flush by the time fclose returns.
    bool recorded = file && std::fputs(kAcceptanceText, file) >= 0 && std::fflush(file) == 0 &&
                    !std::ferror(file);
    if (file && std::fclose(file) != 0) recorded = false;
    if (!recorded) {
        // An acceptance that did not reach the disk counts as never recorded.
        if (file) std::remove(kAcceptanceFileName);
        ShowMessage(nullptr, kAcceptanceCreationErrorText);
        return false;
    }
    if (ShowMessage(nullptr, kLinksQuestionText, MB_ICONWARNING | MB_YESNO) == IDYES)
        DialogBoxParamA(g_app.instance, MAKEINTRESOURCEA(IDD_LINKS), nullptr, LinksDialogProc, 0);
    static char note[kPathBufferSize + 512];
    SharedLocationNoteText(g_app.programFolder, note, sizeof(note));
    ShowMessage(nullptr, note);
    return true;
}
