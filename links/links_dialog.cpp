#include "links_dialog.h"
#include "../base/app_state.h"
#include "../base/frame.h"
#include "../base/win_handles.h"
#include "../res/resource.h"
#include "link_rules.h"
#include "shell_locations.h"
#include "shortcut.h"
#include <shlwapi.h>
#include "../base/fixed_text.h"

namespace {

struct LinkBox {
    int checkbox;
    ShellLocationRow entry;
};

// Template order, which is also the order of processing.
const LinkBox kLinkBoxes[] = {
    {IDC_LINK_USER_DESKTOP, kUserDesktop},
    {IDC_LINK_USER_START_MENU, kUserStartMenu},
    {IDC_LINK_USER_PROGRAMS, kUserPrograms},
    {IDC_LINK_USER_STARTUP, kUserStartup},
    {IDC_LINK_USER_QUICK_LAUNCH, kUserQuickLaunch},
    {IDC_LINK_MACHINE_DESKTOP, kMachineDesktop},
    {IDC_LINK_MACHINE_START_MENU, kMachineStartMenu},
    {IDC_LINK_MACHINE_PROGRAMS, kMachinePrograms},
    {IDC_LINK_MACHINE_STARTUP, kMachineStartup},
    {IDC_LINK_MACHINE_QUICK_LAUNCH, kMachineQuickLaunch},
    {IDC_LINK_COMMON_DESKTOP, kCommonDesktop},
    {IDC_LINK_COMMON_START_MENU, kCommonStartMenu},
    {IDC_LINK_COMMON_PROGRAMS, kCommonPrograms},
    {IDC_LINK_COMMON_STARTUP, kCommonStartup},
    {IDC_LINK_COMMON_QUICK_LAUNCH, kCommonQuickLaunch},
};

HCURSOR WaitCursor() {
    return LoadCursorA(nullptr, MAKEINTRESOURCEA(32514));
} // IDC_WAIT

void OnInitDialog(HWND dialog) {
    FrameWindow(dialog, "Links", {Placement::Centre, 0, 0, SW_SHOWNORMAL});
    SetDlgItemTextA(dialog, IDC_VERSION, kVersionString);
    ReadShellLocations();
    SendMessageA(dialog, WM_LINKS_REFRESH, 0, 0);
}

void RefreshLinkStates(HWND dialog) {
    CursorSwap wait(WaitCursor());
    for (const LinkBox &box : kLinkBoxes) {
        const ShellLocation &location = g_shellLocations[box.entry];
        HWND checkbox = GetDlgItem(dialog, box.checkbox);
        if (!location.valid || !PathIsDirectoryW(location.path)) {
            EnableWindow(checkbox, FALSE);
            continue;
        }
        EnableWindow(checkbox, TRUE);
        wchar_t linkPath[kLinkPathSize];
        LinkPathIn(location.path, kRefreshLinkCut, linkPath, kLinkPathSize);
        CheckDlgButton(dialog, box.checkbox,
                       LinkPointsToProgram(linkPath) ? BST_CHECKED : BST_UNCHECKED);
    }
}

void ProcessLinks(HWND dialog) {
    // Only a Yes acts: a box that could not be shown (0) deletes nothing.
    if (ShowMessage(dialog, "Process the specified links?", MB_YESNO | MB_ICONWARNING) != IDYES)
        return;
    {
        CursorSwap wait(WaitCursor());
        for (const LinkBox &box : kLinkBoxes) {
            const wchar_t *path = g_shellLocations[box.entry].path;
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

void CreateProgramLink(HWND owner, const wchar_t *location) {
    if (location[0] == L'\0') return;
    if (!PathIsDirectoryW(location)) {
        TextBuffer<kLinkPathSize + 64, wchar_t> message;
        message.build.add(L'\'').add(location);
        message.build.addAscii("' is not a valid directory name. [Create Link]");
        ShowMessage(owner, message.chars);
    }
    wchar_t linkPath[kLinkPathSize];
    LinkPathIn(location, kCreateLinkCut, linkPath, kLinkPathSize);
    if (LinkLoads(linkPath) && !LinkPointsToProgram(linkPath)) {
        // A link that loads but whose target cannot be read points elsewhere.
        wchar_t target[kLinkTargetSize] = {};
        if (!ReadLinkTarget(linkPath, target)) target[0] = L'\0';
        TextBuffer<kLinkPathSize + kLinkTargetSize + 64, wchar_t> question;
        question.build.addAscii("The link '").add(linkPath);
        question.build.addAscii("' already exists. It links to '").add(target);
        question.build.addAscii("'.\n\nOverwrite?");
        // Only a Yes replaces it: a box that could not be shown (0) changes nothing.
        if (ShowMessage(nullptr, question.chars, MB_YESNO | MB_ICONWARNING) != IDYES) return;
    }
    if (!WriteProgramLink(linkPath)) ShowMessage(nullptr, "Error creating link.");
}

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
