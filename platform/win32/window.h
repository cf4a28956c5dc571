#pragma once
// One window we own: either of one of our own classes or a system control we subclass.
// `this` lives in GWLP_USERDATA and every message goes to HandleMessage; no exception ever
// leaves the window procedure: it is handed to ReportError.
#include "platform/win32/windows_api.h"

#include <exception>
#include <string>

struct WindowCreation {
    const wchar_t* className = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT bounds{};
    HWND parent = nullptr;
    int id = 0;
    HINSTANCE instance = nullptr;
};

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return hwnd_; }
    // The object behind one of our windows; null for any other window.
    static Window* FromHandle(HWND hwnd);
    // The procedure of our window classes and of every subclassed control.
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM w, LPARAM l);

    LRESULT Send(UINT message, WPARAM w = 0, LPARAM l = 0) const {
        return SendMessageW(hwnd_, message, w, l);
    }
    std::wstring Text() const;
    void SetText(const std::wstring& text) const { SetWindowTextW(hwnd_, text.c_str()); }
    bool HasFocus() const { return hwnd_ && GetFocus() == hwnd_; }
    // Invalidates the window and everything inside it.
    void Redraw() const;

protected:
    // A window of one of our classes: the procedure is ours from WM_NCCREATE on.
    void CreateOwn(const WindowCreation& creation);
    // A system control, subclassed once it exists; its early messages go unseen.
    void CreateSubclassed(const WindowCreation& creation);
    virtual LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l);
    // The class's own handling: the subclassed control's procedure, or DefWindowProc.
    LRESULT CallDefault(UINT message, WPARAM w, LPARAM l);
    virtual void ReportError(const std::exception& error) = 0;

private:
    LRESULT Dispatch(UINT message, WPARAM w, LPARAM l);
    void Report(const std::exception& error) noexcept;
    // Cuts the window loose from this object; later messages get the class's handling.
    void Detach();

    HWND hwnd_ = nullptr;
    WNDPROC original_ = nullptr;
};
