// Window placement arithmetic, free of any system call.
#pragma once

struct Box {
    int left, top, right, bottom;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

struct Spot {
    int x, y;
};

// One test per axis: before the low edge moves to it; otherwise past the high
// edge moves back so that the far side touches it (and may stick out before).
int KeepInside(int position, int size, int low, int high);

// Top-left corner that centres a w x h window over `parent` (its rectangle and
// the top-left of its normal position), or over the work area when there is no
// parent, then kept inside the work area. Each half is truncated separately.
Spot CentredSpot(int w, int h, const Box *parent, Spot parentNormalTopLeft, const Box &work);

// Top-left corner for an explicit position kept inside the work area.
Spot PlacedSpot(int x, int y, int w, int h, const Box &work);
