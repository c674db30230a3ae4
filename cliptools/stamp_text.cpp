#include "stamp_text.h"
#include "text_rules.h"
#include <cstdio>
#include <cstring>

namespace {

constexpr size_t kNameBufferSize = 1024;

std::string TrimmedName(const char *name) {
    char buffer[kNameBufferSize];
    std::snprintf(buffer, sizeof(buffer), "%s", name ? name : "");
    TrimText(buffer);
    return buffer;
}

std::string TimeText(const std::tm &localTime, uint32_t timer) {
    char when[128] = {};
    std::strftime(when, sizeof(when), "%Y %B %d - %H:%M:%S:[", &localTime);
    char counter[16];
    int length = std::snprintf(counter, sizeof(counter), "%ld]", static_cast<long>(timer % 1000));
    std::string text = when;
    text.append(static_cast<size_t>(5 - length), '0');
    return text + counter;
}

} // namespace

std::string ComposeStamp(const StampSwitches &switches, const char *user, const char *computer,
                         const std::tm &localTime, uint32_t timer) {
    std::string stamp;
    if (switches.slashes) stamp += "// ";
    if (switches.html) stamp += "<!-- ";
    stamp += "'";
    if (switches.user) stamp += TrimmedName(user) + " - ";
    if (switches.computer) stamp += TrimmedName(computer) + " - ";
    if (switches.time) stamp += TimeText(localTime, timer);
    stamp += "'";
    if (switches.html) stamp += " -->";
    if (switches.doubled) stamp = stamp + "\r\n\r\n" + stamp;
    return stamp + "\r\n";
}
