#include "slide.h"
#include "../base/app_state.h"
#include "../base/message_drain.h"
#include "../base/win_handles.h"
#include "../res/resource.h"
#include "slide_math.h"

void ReadMenuShowDelay() {
    RegistryKey key(HKEY_CURRENT_USER, "Control Panel\\Desktop");
    if (!key.open()) {
        g_app.menuShowDelay = kDefaultMenuShowDelay;
        return;
    }
    unsigned char data[16] = {};
    DWORD type = 0;
    DWORD size = sizeof(data) - 1; // room for a terminator the value may lack
    bool read =
        RegQueryValueExA(key.get(), "MenuShowDelay", nullptr, &type, data, &size) == ERROR_SUCCESS;
    g_app.menuShowDelay = MenuShowDelayFromValue(read, type, data, size);
}

void SizeNoteWindow(HWND window, int32_t extra) {
    int rows = CountNotes(g_app.notes);
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    HWND list = GetDlgItem(window, IDC_NOTE_LIST);
    int itemHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    SCROLLBARINFO scroll = {};
    scroll.cbSize = sizeof(scroll);
    int scrollHeight = 0;
    if (GetScrollBarInfo(list, OBJID_HSCROLL, &scroll))
        scrollHeight = scroll.rcScrollBar.bottom - scroll.rcScrollBar.top;
    int height = NoteWindowHeight(rows, itemHeight, scrollHeight, extra, work.bottom - work.top);
    SetWindowPos(window, HWND_TOP, work.left, work.bottom - height, work.right - work.left, height,
                 SWP_FRAMECHANGED);
}

void SlideNoteWindow(HWND window, SlideDirection direction) {
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT rect = {};
    GetWindowRect(window, &rect);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    int tops[kMaxSlideFrames];
    size_t frames = SlidePositions(g_app.menuShowDelay, work.bottom, height,
                                   direction == SlideDirection::Up, tops);
    for (size_t frame = 0; frame < frames; ++frame) {
        DrainMessages();
        SetWindowPos(window, nullptr, 0, tops[frame], width, height,
                     SWP_NOZORDER | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
        Sleep(10);
        DrainMessages();
        if (frame == 0) {
            SetForegroundWindow(window);
            ShowWindow(window, SW_SHOWNORMAL);
            SetForegroundWindow(window);
        }
    }
}
