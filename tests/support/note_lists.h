// The note window's two lists, made as it makes them (sorted, holding
// Unicode) in a hidden window of their own, for FillNoteLists outside it.
#pragma once
#include <windows.h>
#include "res/resource.h"
#include <initializer_list>

inline HWND MakeNoteLists() {
    HWND lists = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                 nullptr, nullptr);
    for (int id : {IDC_NOTE_LIST, IDC_INDEX_LIST})
        CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | LBS_SORT | LBS_NOTIFY, 0, 0, 300, 200, lists,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    return lists;
}
