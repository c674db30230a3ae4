// Composition of the preset stamps, free of any system call.
#pragma once
#include <cstdint>
#include <ctime>
#include <cstddef>

struct StampSwitches {
    bool html;     // wrap in "<!-- " and " -->"
    bool slashes;  // prefix "// " (only together with html)
    bool doubled;  // the text twice, an empty line between
    bool time;     // the date-time part
    bool computer; // the computer name part
    bool user;     // the user name part
};

// The whole stamp, ending in CR LF. Names are trimmed of spaces, tabs and line
// feeds; `timer` is the system millisecond timer (only its remainder by 1000
// is shown, as four digits).
// Written to `out`, cut to outSize - 1 bytes; returns the whole stamp's length.
size_t ComposeStamp(const StampSwitches &switches, const char *user, const char *computer,
                    const std::tm &localTime, uint32_t timer, char *out, size_t outSize);

// Room for any stamp: two copies of two 1023-byte names and the time.
constexpr size_t kStampBufferSize = 4 * 1024 + 256;
