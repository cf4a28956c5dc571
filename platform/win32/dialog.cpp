#include "platform/win32/dialog.h"

#include "platform/exceptions.h"

INT_PTR Dialog::Route(Dialog* initialising, HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    Dialog* self = initialising;
    if (self) {
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (!self)
        return FALSE;
    INT_PTR result = FALSE;
    try {
        result = self->HandleMessage(message, w, l);
    } catch (const std::exception& error) {
        self->Report(error);
    } catch (...) {
        self->Report(Exception("Unexpected error"));
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

void Dialog::Report(const std::exception& error) noexcept {
    // Nothing is left to tell when the error box itself fails.
    try {
        ReportError(error);
    } catch (...) {
    }
}
