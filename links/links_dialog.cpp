#include "links_dialog.h"
#include "../app/app_state.h"
#include "../app/frame.h"
#include "../app/win_handles.h"
#include "../res/resource.h"
#include "link_rules.h"
#include "shell_locations.h"
#include "shortcut.h"
#include <shlwapi.h>

namespace {

struct LinkBox {
    int checkbox;
    int entry; // index into g_shellLocations
};

// Template order, which is also the order of processing.
const LinkBox kLinkBoxes[] = {
    {IDC_LINK_USER_DESKTOP, 1},        {IDC_LINK_USER_START_MENU, 2},
    {IDC_LINK_USER_PROGRAMS, 3},       {IDC_LINK_USER_STARTUP, 4},
    {IDC_LINK_USER_QUICK_LAUNCH, 0},   {IDC_LINK_MACHINE_DESKTOP, 11},
    {IDC_LINK_MACHINE_START_MENU, 12}, {IDC_LINK_MACHINE_PROGRAMS, 13},
    {IDC_LINK_MACHINE_STARTUP, 14},    {IDC_LINK_MACHINE_QUICK_LAUNCH, 10},
    {IDC_LINK_COMMON_DESKTOP, 6},      {IDC_LINK_COMMON_START_MENU, 7},
    {IDC_LINK_COMMON_PROGRAMS, 8},     {IDC_LINK_COMMON_STARTUP, 9},
    {IDC_LINK_COMMON_QUICK_LAUNCH, 5},
};

HCURSOR WaitCursor() {
    return LoadCursorA(nullptr, MAKEINTRESOURCEA(32514));
} // IDC_WAIT

void OnInitDialog(HWND dialog) {
    FrameWindow(dialog, "Links", true, 0, 0, false, SW_SHOWNORMAL);
    SetDlgItemTextA(dialog, IDC_VERSION, kVersionString);
    ReadShellLocations();
    SendMessageA(dialog, WM_LINKS_REFRESH, 0, 0);
}

void RefreshLinkStates(HWND dialog) {
    CursorSwap wait(WaitCursor());
    for (const LinkBox &box : kLinkBoxes) {
        const ShellLocation &location = g_shellLocations[box.entry];
        HWND checkbox = GetDlgItem(dialog, box.checkbox);
        if (!location.valid || !PathIsDirectoryA(location.path)) {
            EnableWindow(checkbox, FALSE);
            continue;
        }
        EnableWindow(checkbox, TRUE);
        std::string linkPath = LinkPathIn(location.path, kRefreshLinkCut);
        CheckDlgButton(dialog, box.checkbox,
                       LinkPointsToProgram(linkPath.c_str()) ? BST_CHECKED : BST_UNCHECKED);
    }
}

void ProcessLinks(HWND dialog) {
    // Only a Yes acts: a box that could not be shown (0) deletes nothing.
    if (ShowMessage(dialog, "Process the specified links?", MB_YESNO | MB_ICONWARNING) != IDYES)
        return;
    {
        CursorSwap wait(WaitCursor());
        for (const LinkBox &box : kLinkBoxes) {
            const char *path = g_shellLocations[box.entry].path;
            if (IsDlgButtonChecked(dialog, box.checkbox) == BST_CHECKED)
                CreateProgramLink(dialog, path);
            else
                DeleteProgramLink(dialog, path);
        }
    }
    PostMessageA(dialog, WM_LINKS_REFRESH, 0, 0);
    ShowMessage(dialog, "Links Processing Complete.", MB_ICONINFORMATION);
}

} // namespace

INT_PTR CALLBACK LinksDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog);
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_PROCESS) ProcessLinks(dialog);
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
        return FALSE;
    case WM_CLOSE:
    case WM_DESTROY:
        EndDialog(dialog, 0);
        return FALSE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return BackgroundColourReply(message, wParam);
    case WM_LINKS_REFRESH:
        RefreshLinkStates(dialog);
        return FALSE;
    default:
        return FALSE;
    }
}
