#include "stamp.h"
#include "clipboard.h"
#include "utf8.h"
#include "../base/fixed_text.h"
#include "../base/system_dlls.h"
#include <windows.h>
#include <ctime>

namespace {
constexpr DWORD kNameBufferSize = 1024;
}

uint32_t TimerMillisecond() {
    // winmm is not a KnownDLL, so it is not imported but asked for once, from
    // System32. GetTickCount also counts milliseconds since the system started.
    using TimeGetTimeProc = DWORD(WINAPI *)();
    static TimeGetTimeProc timeGetTimeProc = nullptr;
    static bool asked = false;
    if (!asked) {
        asked = true;
        timeGetTimeProc = reinterpret_cast<TimeGetTimeProc>(
            reinterpret_cast<void (*)()>(SystemDllProcedure(L"winmm.dll", "timeGetTime")));
    }
    return (timeGetTimeProc ? timeGetTimeProc() : GetTickCount()) % 1000;
}

namespace {
// A name as the system spells it, as UTF-8 (whole characters only); a name
// that cannot be read shows as empty.
void ReadName(BOOL(WINAPI *read)(LPWSTR, LPDWORD), char (&name)[kNameBufferSize]) {
    wchar_t wide[kNameBufferSize] = {};
    DWORD size = kNameBufferSize;
    if (!read(wide, &size)) wide[0] = L'\0';
    Utf16ToUtf8(reinterpret_cast<const char16_t *>(wide), TextLength(wide), name, kNameBufferSize);
}
} // namespace

ClipboardStatus StampBuilder(const StampSwitches &switches) {
    char user[kNameBufferSize] = {};
    char computer[kNameBufferSize] = {};
    if (switches.user) ReadName(GetUserNameW, user);
    if (switches.computer) ReadName(GetComputerNameW, computer);
    std::tm local = {};
    if (switches.time) {
        _tzset();
        std::time_t now = std::time(nullptr);
        if (const std::tm *converted = std::localtime(&now)) local = *converted;
    }
    uint32_t timer = TimerMillisecond();
    // Composed in UTF-8, put on the clipboard as the Unicode it spells.
    static char stamp[kStampBufferSize];
    size_t length = ComposeStamp(switches, user, computer, local, timer, stamp, sizeof(stamp));
    static char16_t wide[kStampBufferSize];
    Utf8ToUtf16(stamp, length < sizeof(stamp) ? length : sizeof(stamp) - 1, wide, kStampBufferSize);
    return PutClipboardNamedText(wide);
}
