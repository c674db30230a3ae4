#include "text_mode.h"
#include <cstring>

size_t DecodeTextMode(const char *stored, size_t storedSize, char *out, size_t outSize) {
    if (outSize == 0) return 0;
    size_t written = 0;
    for (size_t i = 0; i < storedSize && written + 1 < outSize; ++i) {
        char c = stored[i];
        if (c == '\x1A') break;
        if (c == '\r' && i + 1 < storedSize && stored[i + 1] == '\n') {
            c = '\n';
            ++i;
        }
        out[written++] = c;
    }
    out[written] = '\0';
    return written;
}

std::string EncodeTextMode(const char *text, size_t length) {
    std::string stored;
    stored.reserve(length + length / 8 + 2);
    for (size_t i = 0; i < length; ++i) {
        if (text[i] == '\n') stored += '\r';
        stored += text[i];
    }
    return stored;
}

bool TakeUtf8Mark(char *text) {
    if (std::strncmp(text, kUtf8Mark, kUtf8MarkSize) != 0) return false;
    std::memmove(text, text + kUtf8MarkSize, std::strlen(text + kUtf8MarkSize) + 1);
    return true;
}
