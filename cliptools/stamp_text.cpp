#include "stamp_text.h"
#include "../base/fixed_text.h"
#include "text_rules.h"
#include <cstring>

namespace {

constexpr size_t kNameBufferSize = 1024;

void AddTrimmedName(FixedText &stamp, const char *name) {
    char buffer[kNameBufferSize];
    FixedText(buffer, sizeof(buffer)).add(name ? name : "");
    TrimText(buffer);
    stamp.add(buffer).add(" - ");
}

void AddTime(FixedText &stamp, const std::tm &localTime, uint32_t timer) {
    char when[128] = {};
    std::strftime(when, sizeof(when), "%Y %B %d - %H:%M:%S:[", &localTime);
    stamp.add(when);
    // The counter always shows four digits.
    uint32_t counter = timer % 1000;
    for (uint32_t scale = 1000; scale > 1 && counter < scale; scale /= 10)
        stamp.add('0');
    stamp.addNumber(counter).add(']');
}

} // namespace

size_t ComposeStamp(const StampSwitches &switches, const char *user, const char *computer,
                    const std::tm &localTime, uint32_t timer, char *out, size_t outSize) {
    char once[kStampBufferSize];
    FixedText stamp(once, sizeof(once));
    if (switches.slashes) stamp.add("// ");
    if (switches.html) stamp.add("<!-- ");
    stamp.add('\'');
    if (switches.user) AddTrimmedName(stamp, user);
    if (switches.computer) AddTrimmedName(stamp, computer);
    if (switches.time) AddTime(stamp, localTime, timer);
    stamp.add('\'');
    if (switches.html) stamp.add(" -->");
    FixedText whole(out, outSize);
    whole.add(stamp.text());
    if (switches.doubled) whole.add("\r\n\r\n").add(stamp.text());
    whole.add("\r\n");
    return stamp.length() * (switches.doubled ? 2 : 1) + (switches.doubled ? 6 : 2);
}
