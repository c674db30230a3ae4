#include "clipboard_blocks.h"
#include <cstring>

namespace {

bool OpenClipboardRetrying(HWND window = nullptr) {
    for (int i = 0; i < 100; ++i) {
        if (OpenClipboard(window)) return true;
        Sleep(20);
    }
    return false;
}

// Wine lets an open with no window take the clipboard from another open with
// no window, such as the program's own, which then finds no data; Windows
// refuses it. Reads open with a window of their own, so that Wine refuses
// them too while the program holds the clipboard. (Writes keep no window: an
// owner window would have to answer the next owner's messages.)
HWND ReaderWindow() {
    thread_local HWND window =
        CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    return window;
}

template <class Char>
std::basic_string<Char> ReadText(UINT format, const Char *busy, const Char *none) {
    if (!OpenClipboardRetrying(ReaderWindow())) return busy;
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

std::vector<UINT> ClipboardFormatOrder() {
    std::vector<UINT> formats;
    if (!OpenClipboardRetrying(ReaderWindow())) return formats;
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format))
        formats.push_back(format);
    CloseClipboard();
    return formats;
}
