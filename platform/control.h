#pragma once
// TControl, TGraphicControl and TWinControl: parent, geometry in 96-DPI pixels, anchors,
// visibility, captions, hints, fonts and colours, the focus, and the user entry points that
// tests and the Win32 views share.
#include "platform/component.h"
#include "platform/control_view.h"
#include "platform/font.h"
#include "platform/layout_value.h"

#include <memory>
#include <string>
#include <vector>

class TForm;
class TWinControl;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;
    std::string_view ClassName() const override { return "TControl"; }
    // Windowed controls have a window of their own and can take the focus.
    virtual bool IsWindowed() const { return false; }

    TWinControl* Parent() const { return parent_; }
    void SetParent(TWinControl* parent);
    // The form this control lies on, or the control itself when it is a form.
    TForm* ParentForm();

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    TRect BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    void SetBounds(int left, int top, int width, int height);
    void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
    void SetTop(int top) { SetBounds(left_, top, width_, height_); }
    void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors) { anchors_ = anchors; }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible itself and inside visible parents.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Showing, and enabled itself and inside enabled parents: what the user can reach.
    bool Reachable() const;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }

    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor) { cursor_ = cursor; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

    // The user clicks (or double-clicks) the control; nothing happens while it is hidden
    // or disabled.
    virtual void UserClick();
    void UserDblClick();

    ControlView* View() const { return view_.get(); }
    void SetView(std::unique_ptr<ControlView> view);
    // Tells the view, if any, that something it shows has changed.
    void Changed(ViewChange what);

    bool SetProperty(const std::string& name, const LayoutValue& value) override;
    bool BindEvent(const std::string& event, const std::string& handler,
                   const EventHandlers& handlers) override;

protected:
    virtual void Click();
    // The parent's client size changed by (dw, dh): follow the anchors.
    void ParentResized(int dw, int dh);
    virtual void BoundsChanged(int /*dw*/, int /*dh*/) {}
    // Runs after the control has moved to another parent.
    virtual void ParentChanged() {}
    void TakeParentFont();
    void TakeParentColor();

private:
    friend class TWinControl;
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAnchors anchors_ = akLeft | akTop;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    std::string hint_;
    TFont font_;
    bool parentFont_ = true;
    bool takingParentFont_ = false;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    TCursor cursor_ = TCursor::crDefault;
    std::unique_ptr<ControlView> view_;
};

// A control without a window of its own: labels, speed buttons, bevels, images.
class TGraphicControl : public TControl {
public:
    using TControl::TControl;
    std::string_view ClassName() const override { return "TGraphicControl"; }
};

class TWinControl : public TControl {
public:
    using TControl::TControl;
    ~TWinControl() override;
    std::string_view ClassName() const override { return "TWinControl"; }
    bool IsWindowed() const override { return true; }

    // The children: those without a window first, then the windowed ones, each group in
    // the order in which they were placed on this control.
    std::vector<TControl*> Controls() const;
    int ControlCount() const { return static_cast<int>(children_.size()); }
    // The deepest showing control at a point of this control's client area, or this
    // control itself when no child is there.
    virtual TControl* ControlAtPos(int x, int y);

    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
    bool Focused();
    bool CanFocus() const;
    void SetFocus();

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    // The form calls these when the focus arrives and leaves.
    void DoEnter();
    void DoExit();

    bool SetProperty(const std::string& name, const LayoutValue& value) override;
    bool BindEvent(const std::string& event, const std::string& handler,
                   const EventHandlers& handlers) override;

protected:
    void BoundsChanged(int dw, int dh) override;

private:
    friend class TControl;
    std::vector<TControl*> children_;
    bool tabStop_ = true;
};
