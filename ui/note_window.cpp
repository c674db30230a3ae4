#include "note_window.h"
#include "../app/app_state.h"
#include "../app/commands.h"
#include "../app/frame.h"
#include "../app/tray.h"
#include "../cliptools/clipboard.h"
#include "../notes/note_store.h"
#include "../res/resource.h"
#include "note_rows.h"
#include "slide.h"
#include <shellapi.h>

namespace {

constexpr int kManageStripHeight = 50;
constexpr int kButtonWidth = 130;
constexpr int kButtonHeight = 30;
constexpr UINT kLayoutFlags = SWP_NOZORDER | SWP_FRAMECHANGED | SWP_SHOWWINDOW;

HWND Control(HWND window, int id) {
    return GetDlgItem(window, id);
}

void EnableControls(HWND window, const int *ids, size_t count, bool enable) {
    for (size_t i = 0; i < count; ++i)
        EnableWindow(Control(window, ids[i]), enable);
}

const int kManageControls[] = {IDC_NOTE_LIST, IDC_COPY, IDC_DELETE, IDC_OPEN, IDC_REFRESH};
const int kStripControls[] = {IDC_COPY, IDC_DELETE,  IDC_OPEN,     IDC_REFRESH,
                              IDC_ICON, IDC_VERSION, IDC_COPYRIGHT};

int SelectedRow(HWND window) {
    return static_cast<int>(SendDlgItemMessageA(window, IDC_NOTE_LIST, LB_GETCURSEL, 0, 0));
}

void OnInitDialog(HWND window) {
    g_app.noteWindow = window;
    FrameWindow(window, "Main", false, 100000, 100000, true, SW_HIDE);
    SetDlgItemTextA(window, IDC_VERSION, kVersionString);
    SetDlgItemTextA(window, IDC_COPYRIGHT, QUILLET_COPYRIGHT);
    SendMessageA(window, WM_RELOAD_NOTES, 0, 0);
}

void OnReloadNotes(HWND window) {
    LoadNotes();
    FillNoteLists(window);
    SendDlgItemMessageA(window, IDC_NOTE_LIST, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

void PrepareShow(HWND window, uint8_t mode, int extra, const char *titlePart) {
    g_app.noteWindowMode = mode;
    LoadNotes();
    FillNoteLists(window);
    SendDlgItemMessageA(window, IDC_NOTE_LIST, LB_SETHORIZONTALEXTENT, 20000, 0);
    SizeNoteWindow(window, extra);
    FrameWindow(window, titlePart, false, 0, 0, false, SW_HIDE);
}

void OnShowCopyList(HWND window) {
    ShowWindow(window, SW_HIDE);
    EnableWindow(Control(window, IDC_NOTE_LIST), FALSE);
    for (int id : kStripControls)
        ShowWindow(Control(window, id), SW_HIDE);
    PrepareShow(window, 0, 0, "Copy Note");
    RECT client = {};
    GetClientRect(window, &client);
    SetWindowPos(Control(window, IDC_NOTE_LIST), nullptr, 0, 0, client.right, client.bottom,
                 SWP_NOZORDER | SWP_FRAMECHANGED);
    SlideNoteWindow(window, 0);
    EnableWindow(Control(window, IDC_NOTE_LIST), TRUE);
}

void LayOutManageControls(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    int w = client.right;
    int h = client.bottom;
    SetWindowPos(Control(window, IDC_NOTE_LIST), nullptr, 0, kManageStripHeight, w,
                 h - kManageStripHeight, kLayoutFlags);
    const int buttons[] = {IDC_COPY, IDC_DELETE, IDC_OPEN, IDC_REFRESH};
    for (int i = 0; i < 4; ++i)
        SetWindowPos(Control(window, buttons[i]), nullptr, w - 150 * (i + 1), 10, kButtonWidth,
                     kButtonHeight, kLayoutFlags);
    SetWindowPos(Control(window, IDC_ICON), nullptr, 10, 10, 0, 0,
                 SWP_NOZORDER | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetWindowPos(Control(window, IDC_VERSION), HWND_BOTTOM, 52, 12, 0, 0,
                 SWP_NOSIZE | SWP_SHOWWINDOW);
    SetWindowPos(Control(window, IDC_COPYRIGHT), HWND_BOTTOM, 52, 27, 0, 0,
                 SWP_NOSIZE | SWP_SHOWWINDOW);
}

void OnShowManage(HWND window) {
    ShowWindow(window, SW_HIDE);
    EnableControls(window, kManageControls, 5, false);
    PrepareShow(window, 1, kManageStripHeight, "Manage Notes");
    LayOutManageControls(window);
    SlideNoteWindow(window, 0);
    EnableControls(window, kManageControls, 5, true);
}

} // namespace

void FillNoteLists(HWND window) {
    HWND noteList = Control(window, IDC_NOTE_LIST);
    HWND indexList = Control(window, IDC_INDEX_LIST);
    SendMessageA(noteList, LB_RESETCONTENT, 0, 0);
    SendMessageA(indexList, LB_RESETCONTENT, 0, 0);
    static char ansi[2 * kNoteTextSize]; // a double-byte code page may need two per character
    static char display[kRowBufferSize];
    static char indexRow[kRowBufferSize];
    for (const NoteRecord &record : g_app.notes.records) {
        if (record.text[0] == '\0') continue;
        NoteTextAsAnsi(record, ansi, sizeof(ansi));
        MakeDisplayText(ansi, display, kNoteTextSize); // room left for the index suffix
        LRESULT row = SendMessageA(noteList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(display));
        if (row >= 0) SendMessageA(noteList, LB_SETITEMDATA, row, record.slot);
        MakeIndexRow(display, record.slot, indexRow, sizeof(indexRow));
        row = SendMessageA(indexList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(indexRow));
        if (row >= 0) SendMessageA(indexList, LB_SETITEMDATA, row, record.slot);
    }
}

int32_t SlotOfNoteRow(HWND window, int row) {
    LRESULT slot = SendDlgItemMessageA(window, IDC_NOTE_LIST, LB_GETITEMDATA, row, 0);
    return slot == LB_ERR ? -1 : static_cast<int32_t>(slot);
}

void CopySelectedNote(HWND window) {
    int row = SelectedRow(window);
    if (row == LB_ERR) {
        ShowMessage(window, "Nothing selected.");
        return;
    }
    const NoteRecord *note = FindNoteBySlot(g_app.notes, SlotOfNoteRow(window, row));
    if (note && note->utf8) {
        static char16_t wide[kNoteTextSize];
        NoteTextAsUnicode(*note, wide);
        PutClipboardUnicodeText(wide);
    } else if (note) {
        PutClipboardText(note->text);
    }
    SlideNoteWindow(window, 1);
    EnableWindow(Control(window, IDC_NOTE_LIST), TRUE);
    ShowWindow(window, SW_HIDE);
}

void OpenSelectedNote(HWND window) {
    int row = SelectedRow(window);
    if (row == LB_ERR) {
        ShowMessage(window, "Nothing selected.");
        return;
    }
    // Taken now: the lists may be refilled while the notice is up.
    int32_t slot = SlotOfNoteRow(window, row);
    ShowMessage(window, "'Refresh' to load any alterations to data.", MB_ICONINFORMATION);
    char path[kPathBufferSize];
    NoteFileName(path, slot);
    OpenWithShell(window, path);
}

INT_PTR CALLBACK NoteWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(window);
        return FALSE;
    case WM_CLOSE:
        ShowWindow(window, SW_HIDE);
        return FALSE;
    case WM_COMMAND:
        HandleNoteWindowCommand(window, wParam);
        return FALSE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORDLG:
        return BackgroundColourReply(message, wParam);
    case WM_TRAYNOTIFY:
        HandleTrayNotify(window, wParam, lParam);
        return FALSE;
    case WM_SHOW_COPY_LIST:
        OnShowCopyList(window);
        return FALSE;
    case WM_SHOW_MANAGE:
        OnShowManage(window);
        return FALSE;
    case WM_RELOAD_NOTES:
        OnReloadNotes(window);
        return FALSE;
    default:
        if (IsTaskbarCreatedMessage(message)) AddTrayIcon(window);
        return FALSE;
    }
}
