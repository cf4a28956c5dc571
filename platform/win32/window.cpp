#include "platform/win32/window.h"

#include "platform/exceptions.h"

#include <string>

Window::~Window() {
    if (!hwnd_)
        return;
    // The derived object is gone already: none of the destruction messages may reach it.
    HWND hwnd = hwnd_;
    Detach();
    DestroyWindow(hwnd);
}

Window* Window::FromHandle(HWND hwnd) {
    if (!hwnd ||
        GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&Window::Procedure))
        return nullptr;
    return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

std::wstring Window::Text() const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Window::Redraw() const {
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Window::CreateOwn(const WindowCreation& c) {
    const RECT& r = c.bounds;
    HWND hwnd = CreateWindowExW(
        c.exStyle, c.className, L"", c.style, r.left, r.top, r.right - r.left, r.bottom - r.top,
        c.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), c.instance, this);
    if (!hwnd)
        throw Exception("Error creating window");
}

void Window::CreateSubclassed(const WindowCreation& c) {
    const RECT& r = c.bounds;
    hwnd_ = CreateWindowExW(
        c.exStyle, c.className, L"", c.style, r.left, r.top, r.right - r.left, r.bottom - r.top,
        c.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), c.instance, nullptr);
    if (!hwnd_)
        throw Exception("Error creating window");
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::Procedure)));
}

LRESULT Window::HandleMessage(UINT message, WPARAM w, LPARAM l) {
    return CallDefault(message, w, l);
}

LRESULT Window::CallDefault(UINT message, WPARAM w, LPARAM l) {
    if (original_)
        return CallWindowProcW(original_, hwnd_, message, w, l);
    return DefWindowProcW(hwnd_, message, w, l);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        if (self) {
            self->hwnd_ = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self)
        return DefWindowProcW(hwnd, message, w, l);
    LRESULT result = self->Dispatch(message, w, l);
    if (message == WM_NCDESTROY)
        self->Detach();
    return result;
}

LRESULT Window::Dispatch(UINT message, WPARAM w, LPARAM l) {
    try {
        return HandleMessage(message, w, l);
    } catch (const std::exception& error) {
        Report(error);
    } catch (...) {
        Report(Exception("Unexpected error"));
    }
    return 0;
}

void Window::Report(const std::exception& error) noexcept {
    // Nothing is left to tell when the error box itself fails.
    try {
        ReportError(error);
    } catch (...) {
    }
}

void Window::Detach() {
    if (original_)
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    original_ = nullptr;
    hwnd_ = nullptr;
}
