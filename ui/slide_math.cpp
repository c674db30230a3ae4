#include "slide_math.h"
#include <cmath>

uint32_t MenuShowDelayFromValue(bool read, unsigned long type, const unsigned char *data,
                                unsigned long size) {
    if (!read || !data) return kDefaultMenuShowDelay;
    if (type == kRegistryDword && size == 4)
        return uint32_t(data[0]) | uint32_t(data[1]) << 8 | uint32_t(data[2]) << 16 |
               uint32_t(data[3]) << 24;
    if (type != kRegistryText) return kDefaultMenuShowDelay;
    uint64_t value = 0;
    unsigned long i = 0;
    for (; i < size && data[i] != 0; ++i) {
        if (data[i] < '0' || data[i] > '9') return kDefaultMenuShowDelay;
        value = value * 10 + (data[i] - '0');
        if (value > UINT32_MAX) return kDefaultMenuShowDelay;
    }
    if (i == 0) return kDefaultMenuShowDelay;
    return static_cast<uint32_t>(value);
}

uint32_t SlideDelay(uint32_t delay) {
    if (delay == 0) return 0;
    if (delay < kMinSlideDelay) return kMinSlideDelay;
    if (delay > kMaxSlideDelay) return kMaxSlideDelay;
    return delay;
}

double SlideStep(uint32_t delay, int height) {
    return static_cast<double>(SlideDelay(delay)) / 1000 / 10 * height;
}

size_t SlidePositions(uint32_t delay, int workBottom, int height, bool in,
                      int (&tops)[kMaxSlideFrames]) {
    size_t count = 0;
    if (height <= 0) return count;
    double step = SlideStep(delay, height);
    double start = in ? workBottom : workBottom - height;
    double end = in ? workBottom - height : workBottom;
    double direction = in ? -1.0 : 1.0;
    double y = step > 0 ? start : end;
    for (;;) {
        // Past the end, or out of frames (never with the delays a slide uses): the end.
        if ((in && y < end) || (!in && y > end) || count + 1 == kMaxSlideFrames) y = end;
        tops[count++] = static_cast<int>(std::trunc(y));
        if (y == end) break;
        y += direction * step;
    }
    return count;
}

int NoteWindowHeight(int rows, int itemHeight, int scrollBarHeight, int extra, int workHeight) {
    int height = rows * itemHeight + scrollBarHeight + extra + 40;
    return height > workHeight ? workHeight : height;
}
