#include "frame.h"
#include "app_state.h"
#include "placement.h"
#include "fixed_text.h"

namespace {

Box WorkArea() {
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return {work.left, work.top, work.right, work.bottom};
}

Box WindowBox(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void PlaceAndShow(HWND window, Spot spot, int w, int h, int showCommand) {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    placement.showCmd = static_cast<UINT>(showCommand);
    placement.rcNormalPosition = {spot.x, spot.y, spot.x + w, spot.y + h};
    SetWindowPlacement(window, &placement);
    ShowWindow(window, showCommand);
}

void Centre(HWND window, const Box &work, int showCommand) {
    Box own = WindowBox(window);
    HWND parent = GetParent(window);
    Spot spot;
    if (parent) {
        Box parentBox = WindowBox(parent);
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof(placement);
        GetWindowPlacement(parent, &placement);
        Spot normal = {placement.rcNormalPosition.left, placement.rcNormalPosition.top};
        spot = CentredSpot(own.width(), own.height(), &parentBox, normal, work);
    } else {
        spot = CentredSpot(own.width(), own.height(), nullptr, {0, 0}, work);
    }
    PlaceAndShow(window, spot, own.width(), own.height(), showCommand);
}

} // namespace

void FrameWindow(HWND window, const char *titlePart, const FrameOptions &options) {
    TextBuffer<256> title;
    title.build.add(kVersionString).add(" - ").add(titlePart).add(" - ").add("VANTLER");
    SetWindowTextA(window, title.chars);
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(g_app.icon));
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(g_app.icon));
    Box work = WorkArea();
    if (options.placement == Placement::Centre) Centre(window, work, options.showCommand);
    if (options.placement == Placement::At) {
        Box own = WindowBox(window);
        Spot spot = PlacedSpot(options.x, options.y, own.width(), own.height(), work);
        PlaceAndShow(window, spot, own.width(), own.height(), options.showCommand);
    }
}

INT_PTR BackgroundColourReply(UINT message, WPARAM wParam) {
    if (message == WM_CTLCOLORSTATIC) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkColor(dc, kBackgroundColour);
        SetBkMode(dc, TRANSPARENT);
    }
    return reinterpret_cast<INT_PTR>(g_app.backgroundBrush);
}
