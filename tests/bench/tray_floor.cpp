// The floors for the start-up and memory figures: a program that only adds a
// notification-area icon for a hidden window and waits for messages. Built a
// second time with QUILLET_FLOOR_WITH_COM, it also does what every run of
// Quillet must: initialise COM and load the same system DLLs.
#include <windows.h>
#include <mmsystem.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlwapi.h>

#ifdef QUILLET_FLOOR_WITH_COM
constexpr char kFloorTitle[] = "Quillet tray and COM floor";
#else
constexpr char kFloorTitle[] = "Quillet tray floor";
#endif

namespace {
LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#ifdef QUILLET_FLOOR_WITH_COM
    CoInitialize(nullptr);
    char folder[MAX_PATH] = "C:\\";
    PathAddBackslashA(folder); // shlwapi
    timeGetTime();             // winmm
    HKEY key = nullptr;        // advapi32
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_READ, &key) == 0)
        RegCloseKey(key);
#endif
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = FloorProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "QuilletTrayFloor";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("QuilletTrayFloor", kFloorTitle, WS_POPUP, 0, 0, 10, 10, nullptr,
                                nullptr, instance, nullptr);
    NOTIFYICONDATAA icon = {};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = window;
    icon.uID = 1;
    icon.uFlags = NIF_ICON | NIF_TIP;
    icon.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    lstrcpynA(icon.szTip, "floor", 64);
    Shell_NotifyIconA(NIM_ADD, &icon);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    Shell_NotifyIconA(NIM_DELETE, &icon);
#ifdef QUILLET_FLOOR_WITH_COM
    CoUninitialize();
#endif
    return 0;
}
