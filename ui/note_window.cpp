#include "note_window.h"
#include "../base/app_state.h"
#include "../base/frame.h"
#include "../cliptools/clipboard.h"
#include "../notes/note_store.h"
#include "../res/resource.h"
#include "note_deletion.h"
#include "note_rows.h"
#include "slide.h"

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
    FrameWindow(window, "Main", {Placement::At, 100000, 100000, SW_HIDE});
    SetDlgItemTextA(window, IDC_VERSION, kVersionString);
    SetDlgItemTextA(window, IDC_COPYRIGHT, QUILLET_COPYRIGHT);
    SendMessageA(window, WM_RELOAD_NOTES, 0, 0);
}

void OnReloadNotes(HWND window) {
    LoadNotes();
    FillNoteLists(window);
    SendDlgItemMessageA(window, IDC_NOTE_LIST, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

void PrepareShow(HWND window, NoteWindowMode mode, int extra, const char *titlePart) {
    g_app.noteWindowMode = mode;
    LoadNotes();
    FillNoteLists(window);
    SendDlgItemMessageA(window, IDC_NOTE_LIST, LB_SETHORIZONTALEXTENT, 20000, 0);
    SizeNoteWindow(window, extra);
    FrameWindow(window, titlePart, {Placement::Keep, 0, 0, SW_HIDE});
}

void OnShowCopyList(HWND window) {
    ShowWindow(window, SW_HIDE);
    EnableWindow(Control(window, IDC_NOTE_LIST), FALSE);
    for (int id : kStripControls)
        ShowWindow(Control(window, id), SW_HIDE);
    PrepareShow(window, NoteWindowMode::CopyList, 0, "Copy Note");
    RECT client = {};
    GetClientRect(window, &client);
    SetWindowPos(Control(window, IDC_NOTE_LIST), nullptr, 0, 0, client.right, client.bottom,
                 SWP_NOZORDER | SWP_FRAMECHANGED);
    SlideNoteWindow(window, SlideDirection::Up);
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
    PrepareShow(window, NoteWindowMode::Manage, kManageStripHeight, "Manage Notes");
    LayOutManageControls(window);
    SlideNoteWindow(window, SlideDirection::Up);
    EnableControls(window, kManageControls, 5, true);
}

} // namespace

// Rows are made here as UTF-16 from each note's own bytes and given to the
// list boxes as Unicode, so that the system never converts a row itself.
void FillNoteLists(HWND window) {
    HWND noteList = Control(window, IDC_NOTE_LIST);
    HWND indexList = Control(window, IDC_INDEX_LIST);
    SendMessageW(noteList, LB_RESETCONTENT, 0, 0);
    SendMessageW(indexList, LB_RESETCONTENT, 0, 0);
    static char16_t shown[kNoteHeldSize];
    static char16_t display[kRowUnits + 1];
    static char16_t indexRow[kRowBufferSize];
    for (const NoteRecord &record : g_app.notes.records) {
        if (record.text[0] == '\0') continue;
        size_t length = NoteTextAsShown(record, shown, kNoteHeldSize);
        MakeDisplayText(shown, length, display, kRowUnits + 1);
        LRESULT row = SendMessageW(noteList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(display));
        if (row >= 0) SendMessageW(noteList, LB_SETITEMDATA, row, record.slot);
        MakeIndexRow(display, record.slot, indexRow, kRowBufferSize);
        row = SendMessageW(indexList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(indexRow));
        if (row >= 0) SendMessageW(indexList, LB_SETITEMDATA, row, record.slot);
    }
}

int32_t SlotOfNoteRow(HWND window, int row) {
    LRESULT slot = SendDlgItemMessageA(window, IDC_NOTE_LIST, LB_GETITEMDATA, row, 0);
    return slot == LB_ERR ? -1 : static_cast<int32_t>(slot);
}

namespace {

// Puts the note back on the clipboard (a UTF-8 note as exact Unicode text),
// then slides the window away.
void CopyNote(HWND window, int32_t slot) {
    const NoteRecord *note = FindNoteBySlot(g_app.notes, slot);
    ClipboardStatus status = ClipboardStatus::Done;
    if (note && note->utf8) {
        static char16_t wide[kNoteTextSize];
        NoteTextAsUnicode(*note, wide);
        status = PutClipboardUnicodeText(wide);
    } else if (note) {
        status = PutClipboardText(note->text);
    }
    if (const char *message = ClipboardMessage(status)) ShowMessage(window, message);
    SlideNoteWindow(window, SlideDirection::Down);
    EnableWindow(Control(window, IDC_NOTE_LIST), TRUE);
    ShowWindow(window, SW_HIDE);
}

void OpenNote(HWND window, int32_t slot) {
    ShowMessage(window, "'Refresh' to load any alterations to data.", MB_ICONINFORMATION);
    wchar_t path[kPathBufferSize];
    NoteFileName(path, slot);
    OpenWithShell(window, path);
}

// Copy, Open and Delete act on the note of the selected row, taken when the
// button is pressed: the lists may be refilled while their boxes are up.
void OnNoteButton(HWND window, void (*action)(HWND, int32_t)) {
    int row = SelectedRow(window);
    if (row == LB_ERR) {
        ShowMessage(window, "Nothing selected.");
        return;
    }
    action(window, SlotOfNoteRow(window, row));
}

void OnCommand(HWND window, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDC_COPY:
        OnNoteButton(window, CopyNote);
        break;
    case IDC_OPEN:
        OnNoteButton(window, OpenNote);
        break;
    case IDC_DELETE:
        OnNoteButton(window, DeleteNoteAskingFirst);
        break;
    case IDC_REFRESH:
        SendMessageA(window, WM_RELOAD_NOTES, 0, 0);
        break;
    case IDC_NOTE_LIST:
        // In the Copy Note list a click on a row copies it; in Manage Notes it only selects.
        if (HIWORD(wParam) == LBN_SELCHANGE && g_app.noteWindowMode == NoteWindowMode::CopyList)
            OnNoteButton(window, CopyNote);
        break;
    default:
        break;
    }
}

} // namespace

INT_PTR CALLBACK NoteWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(window);
        return FALSE;
    case WM_CLOSE:
        ShowWindow(window, SW_HIDE);
        return FALSE;
    case WM_COMMAND:
        OnCommand(window, wParam);
        return FALSE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORDLG:
        return BackgroundColourReply(message, wParam);
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
        return FALSE;
    }
}
