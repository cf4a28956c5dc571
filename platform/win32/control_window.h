#pragma once
// The base of every view: the window of one model control. It mirrors what all controls
// share (bounds, visibility, enabling, caption, font, colour, focus) and hands the
// notifications a parent receives about a child (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM,
// WM_MEASUREITEM, WM_CTLCOLOR*) to that child's view, whatever kind the parent is.
#include "platform/control.h"
#include "platform/control_view.h"
#include "platform/win32/view_context.h"
#include "platform/win32/window.h"

#include <optional>

class ControlWindow : public ControlView, public Window {
public:
    ControlWindow(TControl& control, ViewContext& context) : control_(control), context_(context) {}

    TControl& Control() const { return control_; }
    static ControlWindow* FromHandle(HWND hwnd);

    void Changed(ViewChange what) override;
    // Whether the window takes the keyboard focus (Tab visits it).
    virtual bool TakesFocus() const { return false; }
    // A notification about this control that its parent received; nothing when the parent
    // should handle it as usual.
    virtual std::optional<LRESULT> Reflected(UINT message, WPARAM w, LPARAM l);

protected:
    // Creates the window as a child of the parent's window, at the model's bounds, shown
    // and enabled as the model says.
    void CreateChild(const wchar_t* className, DWORD style, DWORD exStyle, bool ownClass);
    LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l) override;
    void ReportError(const std::exception& error) override;
    // Edits, lists and combo boxes show their own text, never the model's caption.
    virtual bool MirrorsCaption() const { return true; }
    // Moves the window to the model's bounds.
    virtual void Place();
    RECT DeviceBounds() const;
    HFONT FontHandle() const { return context_.Fonts().Get(control_.Font()); }
    // The colour of the parent, on which graphic controls and check boxes sit.
    TColor ParentColor() const;
    // Windows of our own classes paint everything through this, for WM_PAINT and
    // WM_PRINTCLIENT alike, and skip the erase.
    virtual void Paint(HDC /*dc*/, const RECT& /*client*/) {}
    TControl& control_;
    ViewContext& context_;
    bool paintsItself_ = false;

private:
    LRESULT HandlePaint(UINT message, WPARAM w);
    // The parent is told about a child's notification: the child's view answers.
    std::optional<LRESULT> ReflectToChild(UINT message, WPARAM w, LPARAM l);
};

// The window of a control's view, or null when it has none.
HWND WindowOf(const TControl& control);
