#include "commands.h"
#include "../cliptools/clipboard.h"
#include "../cliptools/stamp.h"
#include "../links/links_dialog.h"
#include "../notes/note_store.h"
#include "../res/resource.h"
#include "../web/donate_dialog.h"
#include "../web/referral_page.h"
#include "../base/app_state.h"
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

void Say(HWND window, ClipboardStatus status) {
    if (const char *message = ClipboardMessage(status)) ShowMessage(window, message);
}

bool RunStampCommand(HWND window, int id) {
    for (const StampCommand &command : kStampCommands) {
        if (command.id == id) {
            Say(window, StampBuilder(command.switches));
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
    wchar_t message[kPathBufferSize + 128];
    if (PasteMessage(PasteNewNote(), message, kPathBufferSize + 128)) ShowMessage(window, message);
    SendMessageA(window, WM_RELOAD_NOTES, 0, 0);
    SendMessageA(window, WM_SHOW_COPY_LIST, 0, 0);
}

} // namespace

bool RunTrayCommand(HWND window, int id) {
    switch (id) {
    case IDM_EXIT:
        Exit(window);
        return true;
    case IDM_PASTE_NOTE:
        PasteThenShow(window);
        return true;
    case IDM_MANAGE_NOTES:
        SendMessageA(window, WM_SHOW_MANAGE, 0, 0);
        return true;
    case IDM_REFRESH_NOTES:
        SendMessageA(window, WM_RELOAD_NOTES, 0, 0);
        return true;
    case IDM_DONATE:
        ShowDonateDialog(window);
        return true;
    case IDM_VISIT_SITE:
        VisitInternetSite(window);
        return true;
    case IDM_EXPLORE_FOLDER:
        ExploreContainingFolder();
        return true;
    case IDM_LINKS:
        DialogBoxParamA(g_app.instance, MAKEINTRESOURCEA(IDD_LINKS), window, LinksDialogProc, 0);
        return true;
    case IDM_TO_LOWER:
        Say(window, ConvertClipboardText(CaseConversion::Lower));
        return true;
    case IDM_TO_UPPER:
        Say(window, ConvertClipboardText(CaseConversion::Upper));
        return true;
    case IDM_INVERT_CASE:
        Say(window, ConvertClipboardText(CaseConversion::Invert));
        return true;
    case IDM_UPDATE_CHECK:
        CheckForUpdates();
        return true;
    default:
        return RunStampCommand(window, id); // the twenty preset stamps
    }
}
