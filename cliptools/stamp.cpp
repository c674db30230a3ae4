#include "stamp.h"
#include "clipboard.h"
#include <windows.h>
#include <mmsystem.h>
#include <ctime>

namespace {
constexpr DWORD kNameBufferSize = 1024;
}

uint32_t TimerMillisecond() {
    return timeGetTime() % 1000;
}

ClipboardStatus StampBuilder(const StampSwitches &switches) {
    // A name that cannot be read shows as empty.
    char user[kNameBufferSize] = {};
    char computer[kNameBufferSize] = {};
    if (switches.user) {
        DWORD size = kNameBufferSize;
        if (!GetUserNameA(user, &size)) user[0] = '\0';
    }
    if (switches.computer) {
        DWORD size = kNameBufferSize;
        if (!GetComputerNameA(computer, &size)) computer[0] = '\0';
    }
    std::tm local = {};
    if (switches.time) {
        _tzset();
        std::time_t now = std::time(nullptr);
        if (const std::tm *converted = std::localtime(&now)) local = *converted;
    }
    uint32_t timer = TimerMillisecond();
    static char stamp[kStampBufferSize];
    ComposeStamp(switches, user, computer, local, timer, stamp, sizeof(stamp));
    return PutClipboardText(stamp);
}
