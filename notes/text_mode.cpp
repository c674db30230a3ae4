#include "text_mode.h"
#include <cstring>

size_t DecodeTextMode(const char *stored, size_t storedSize, char *out, size_t outSize, bool *cut) {
    if (cut) *cut = false;
    if (outSize == 0) return 0;
    size_t written = 0;
    for (size_t i = 0; i < storedSize; ++i) {
        char c = stored[i];
        if (c == '\x1A') break;
        if (written + 1 == outSize) {
            if (cut) *cut = true;
            break;
        }
        if (c == '\r' && i + 1 < storedSize && stored[i + 1] == '\n') {
            c = '\n';
            ++i;
        }
        out[written++] = c;
    }
    out[written] = '\0';
    return written;
}

size_t EncodeTextMode(const char *text, size_t length, char *out, size_t outSize) {
    size_t total = 0;
    auto put = [&](char c) {
        if (total + 1 < outSize) out[total] = c;
        ++total;
    };
    for (size_t i = 0; i < length; ++i) {
        if (text[i] == '\n') put('\r');
        put(text[i]);
    }
    if (outSize > 0) out[total < outSize ? total : outSize - 1] = '\0';
    return total;
}

bool TakeUtf8Mark(char *text) {
    if (std::strncmp(text, kUtf8Mark, kUtf8MarkSize) != 0) return false;
    std::memmove(text, text + kUtf8MarkSize, std::strlen(text + kUtf8MarkSize) + 1);
    return true;
}
