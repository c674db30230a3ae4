#include "commands.h"
#include "../cliptools/clipboard.h"
#include "../cliptools/stamp.h"
#include "../links/links_dialog.h"
#include "../notes/note_delete.h"
#include "../notes/note_store.h"
#include "../res/resource.h"
#include "../ui/note_window.h"
#include "../web/donate_dialog.h"
#include "../web/referral_page.h"
#include "app_state.h"
#include "tray.h"

namespace {

struct StampCommand {
    int id;
    StampSwitches switches; // html, slashes, doubled, time, computer, user
};

const StampCommand kStampCommands[] = {
    {IDM_STAMP_TIME, {false, false, false, true, false, false}},
    {IDM_STAMP_COMPUTER_TIME, {false, false, false, true, true, false}},
    {IDM_STAMP_USER_TIME, {false, false, false, true, false, true}},
    {IDM_STAMP_USER_COMPUTER_TIME, {false, false, false, true, true, true}},
    {IDM_STAMP_HTML_COMPUTER_TIME, {true, false, false, true, true, false}},
    {IDM_STAMP_HTML_USER_TIME, {true, false, false, true, false, true}},
    {IDM_STAMP_HTML_USER_COMPUTER_TIME, {true, false, false, true, true, true}},
    {IDM_STAMP_HTML_TIME, {true, false, false, true, false, false}},
    {IDM_STAMP_DOUBLE_HTML_COMPUTER_TIME, {true, false, true, true, true, false}},
    {IDM_STAMP_DOUBLE_HTML_USER_TIME, {true, false, true, true, false, true}},
    {IDM_STAMP_DOUBLE_HTML_USER_COMPUTER_TIME, {true, false, true, true, true, true}},
    {IDM_STAMP_DOUBLE_HTML_TIME, {true, false, true, true, false, false}},
    {IDM_STAMP_DOUBLE_C_USER_COMPUTER_TIME, {true, true, true, true, true, true}},
    {IDM_STAMP_DOUBLE_C_COMPUTER_TIME, {true, true, true, true, true, false}},
    {IDM_STAMP_DOUBLE_C_USER_TIME, {true, true, true, true, false, true}},
    {IDM_STAMP_DOUBLE_C_TIME, {true, true, true, true, false, false}},
    {IDM_STAMP_C_USER_COMPUTER_TIME, {true, true, false, true, true, true}},
    {IDM_STAMP_C_COMPUTER_TIME, {true, true, false, true, true, false}},
    {IDM_STAMP_C_USER_TIME, {true, true, false, true, false, true}},
    {IDM_STAMP_C_TIME, {true, true, false, true, false, false}},
};

bool RunStampCommand(int id) {
    for (const StampCommand &command : kStampCommands) {
        if (command.id == id) {
            StampBuilder(command.switches);
            return true;
        }
    }
    return false;
}

void Exit(HWND window) {
    EndDialog(window, 0);
    PostQuitMessage(0);
}

void PasteThenShow(HWND window) {
    PasteNewNote();
    SendMessageA(window, WM_RELOAD_NOTES, 0, 0);
    SendMessageA(window, WM_SHOW_COPY_LIST, 0, 0);
}

} // namespace

void HandleNoteWindowCommand(HWND window, WPARAM wParam) {
    int id = LOWORD(wParam);
    switch (id) {
    case IDM_EXIT:
        Exit(window);
        break;
    case IDM_PASTE_NOTE:
        PasteThenShow(window);
        break;
    case IDM_MANAGE_NOTES:
        SendMessageA(window, WM_SHOW_MANAGE, 0, 0);
        break;
    case IDM_REFRESH_NOTES:
    case IDC_REFRESH:
        SendMessageA(window, WM_RELOAD_NOTES, 0, 0);
        break;
    case IDM_DONATE:
        ShowDonateDialog(window);
        break;
    case IDM_VISIT_SITE:
        VisitInternetSite(window);
        break;
    case IDM_EXPLORE_FOLDER:
        ExploreContainingFolder();
        break;
    case IDM_LINKS:
        DialogBoxParamA(g_app.instance, MAKEINTRESOURCEA(IDD_LINKS), window, LinksDialogProc, 0);
        break;
    case IDM_TO_LOWER:
        ConvertClipboardText(CaseConversion::Lower);
        break;
    case IDM_TO_UPPER:
        ConvertClipboardText(CaseConversion::Upper);
        break;
    case IDM_INVERT_CASE:
        ConvertClipboardText(CaseConversion::Invert);
        break;
    case IDM_UPDATE_CHECK:
        CheckForUpdates();
        break;
    case IDC_DELETE:
        DeleteNote(window);
        break;
    case IDC_OPEN:
        OpenSelectedNote(window);
        break;
    case IDC_COPY:
        CopySelectedNote(window);
        break;
    case IDC_NOTE_LIST:
        if (HIWORD(wParam) == LBN_SELCHANGE && g_app.noteWindowMode == 0) CopySelectedNote(window);
        break;
    default:
        RunStampCommand(id); // the twenty preset stamps; anything else is ignored
        break;
    }
}
