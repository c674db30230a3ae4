#include "clipboard_blocks.h"
#include <cstring>

namespace {

bool OpenClipboardRetrying() {
    for (int i = 0; i < 100; ++i) {
        if (OpenClipboard(nullptr)) return true;
        Sleep(20);
    }
    return false;
}

template <class Char>
std::basic_string<Char> ReadText(UINT format, const Char *busy, const Char *none) {
    if (!OpenClipboardRetrying()) return busy;
    std::basic_string<Char> text = none;
    if (HANDLE block = GetClipboardData(format)) {
        if (const Char *data = static_cast<const Char *>(GlobalLock(block))) {
            text = data;
            GlobalUnlock(block);
        }
    }
    CloseClipboard();
    return text;
}

} // namespace

namespace {
bool SetBlock(UINT format, const void *bytes, size_t length, size_t blockSize) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, blockSize);
    if (void *data = block ? GlobalLock(block) : nullptr) {
        std::memcpy(data, bytes, length < blockSize ? length : blockSize);
        GlobalUnlock(block);
    }
    bool set = block && SetClipboardData(format, block) != nullptr;
    if (block && !set) GlobalFree(block);
    return set;
}
} // namespace

bool PutClipboardBlock(UINT format, const void *bytes, size_t length, size_t blockSize,
                       LCID locale) {
    if (!OpenClipboardRetrying()) return false;
    EmptyClipboard();
    bool set = SetBlock(format, bytes, length, blockSize) &&
               (locale == 0 || SetBlock(CF_LOCALE, &locale, sizeof(locale), sizeof(locale)));
    CloseClipboard();
    return set;
}

std::string ClipboardAnsiText() {
    return ReadText<char>(CF_TEXT, "<clipboard busy>", "<no text>");
}

std::u16string ClipboardUnicodeText() {
    return ReadText<char16_t>(CF_UNICODETEXT, u"<clipboard busy>", u"<no text>");
}
