// The note file format: decoding never writes past its buffer, and a text
// written and read back is the text, up to the first 0x1A and 4095 bytes.
#include "notes/text_mode.h"
#include "support/string_forms.h"
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const char *text = reinterpret_cast<const char *>(data);
    // Any stored bytes decode within bounds, into buffers of several sizes.
    for (size_t outSize : {size_t(1), size_t(7), size_t(4096)}) {
        std::vector<char> out(outSize);
        size_t n = DecodeTextMode(text, size, out.data(), outSize);
        if (n >= outSize || out[n] != '\0') std::abort();
    }
    // Round trip.
    std::string stored = EncodeTextMode(text, size);
    std::vector<char> back(4096);
    size_t n = DecodeTextMode(stored.data(), stored.size(), back.data(), back.size());
    size_t expected = size;
    if (const void *sub = std::memchr(text, 0x1A, size))
        expected = static_cast<const char *>(sub) - text;
    if (expected > 4095) expected = 4095;
    if (n != expected || std::memcmp(back.data(), text, n) != 0) std::abort();
    return 0;
}
