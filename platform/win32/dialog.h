#pragma once
// One dialog box we handle: `this` lives in DWLP_USER from WM_INITDIALOG on and every later
// message goes to HandleMessage; no exception ever leaves the dialog procedure: it is
// handed to ReportError, as the window procedure does.
#include "platform/win32/windows_api.h"

#include <exception>

class Dialog {
public:
    Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog() = default;

    HWND Handle() const { return hwnd_; }

protected:
    // The body of a dialog procedure: `initialising` is the object the WM_INITDIALOG
    // message brings (null for every other message); messages before it go unanswered.
    static INT_PTR Route(Dialog* initialising, HWND hwnd, UINT message, WPARAM w, LPARAM l);
    // The procedure's answer: TRUE for a message handled here, FALSE for the system's.
    virtual INT_PTR HandleMessage(UINT message, WPARAM w, LPARAM l) = 0;
    virtual void ReportError(const std::exception& error) = 0;
    // The result of a notification, which a dialog procedure cannot return itself.
    void SetMessageResult(LONG_PTR result) const {
        SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
    }

private:
    void Report(const std::exception& error) noexcept;

    HWND hwnd_ = nullptr;
};
