#include "placement.h"

int KeepInside(int position, int size, int low, int high) {
    if (position < low) return low;
    if (position + size > high) return high - size;
    return position;
}

Spot CentredSpot(int w, int h, const Box *parent, Spot parentNormalTopLeft, const Box &work) {
    Box over = parent ? *parent : work;
    Spot offset = parent ? parentNormalTopLeft : Spot{0, 0};
    int x = offset.x + over.width() / 2 - w / 2;
    int y = offset.y + over.height() / 2 - h / 2;
    return {KeepInside(x, w, work.left, work.right), KeepInside(y, h, work.top, work.bottom)};
}

Spot PlacedSpot(int x, int y, int w, int h, const Box &work) {
    return {KeepInside(x, w, work.left, work.right), KeepInside(y, h, work.top, work.bottom)};
}
