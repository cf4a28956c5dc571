#include "platform/control.h"

#include "platform/exceptions.h"
#include "platform/form.h"

#include <algorithm>

namespace {

TAnchors ParseAnchors(const LayoutValue& value) {
    return value.AsFlags(
        {{"akLeft", akLeft}, {"akTop", akTop}, {"akRight", akRight}, {"akBottom", akBottom}},
        "anchor");
}

} // namespace

TControl::TControl(TComponent* owner) : TComponent(owner) {
    font_.OnChange = [this] {
        if (!takingParentFont_)
            parentFont_ = false;
        Changed(ViewChange::Font);
        if (auto* self = dynamic_cast<TWinControl*>(this))
            for (TControl* child : self->children_)
                if (child->parentFont_)
                    child->TakeParentFont();
    };
}

TControl::~TControl() {
    // The view goes first: it may still read this control while it takes its window down.
    view_.reset();
    SetParent(nullptr);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent_ == parent)
        return;
    if (parent_) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    parent_ = parent;
    if (parent_) {
        parent_->children_.push_back(this);
        if (parentFont_)
            TakeParentFont();
        if (parentColor_)
            TakeParentColor();
    }
    ParentChanged();
}

TForm* TControl::ParentForm() {
    TControl* c = this;
    while (c->parent_)
        c = c->parent_;
    return dynamic_cast<TForm*>(c);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    int dw = width - width_, dh = height - height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Changed(ViewChange::Bounds);
    if (dw != 0 || dh != 0)
        BoundsChanged(dw, dh);
}

void TControl::ParentResized(int dw, int dh) {
    int left = left_, top = top_, width = width_, height = height_;
    if (anchors_ & akRight) {
        if (anchors_ & akLeft)
            width += dw;
        else
            left += dw;
    }
    if (anchors_ & akBottom) {
        if (anchors_ & akTop)
            height += dh;
        else
            top += dh;
    }
    SetBounds(left, top, width, height);
}

void TControl::SetVisible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        Changed(ViewChange::Visible);
    }
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_)
            return false;
    return true;
}

bool TControl::Reachable() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_ || !c->enabled_)
            return false;
    return true;
}

void TControl::SetEnabled(bool enabled) {
    if (enabled_ != enabled) {
        enabled_ = enabled;
        Changed(ViewChange::Enabled);
    }
}

void TControl::SetCaption(const std::string& caption) {
    if (caption_ != caption) {
        caption_ = caption;
        Changed(ViewChange::Caption);
    }
}

void TControl::SetParentFont(bool parentFont) {
    parentFont_ = parentFont;
    if (parentFont_)
        TakeParentFont();
}

void TControl::TakeParentFont() {
    if (!parent_)
        return;
    takingParentFont_ = true;
    font_.Assign(parent_->Font());
    takingParentFont_ = false;
}

void TControl::SetColor(TColor color) {
    parentColor_ = false;
    if (color_ == color)
        return;
    color_ = color;
    Changed(ViewChange::Color);
    if (auto* self = dynamic_cast<TWinControl*>(this))
        for (TControl* child : self->children_)
            if (child->parentColor_)
                child->TakeParentColor();
}

void TControl::SetParentColor(bool parentColor) {
    parentColor_ = parentColor;
    if (parentColor_)
        TakeParentColor();
}

void TControl::TakeParentColor() {
    if (!parent_)
        return;
    SetColor(parent_->Color());
    parentColor_ = true;
}

void TControl::UserClick() {
    if (Reachable())
        Click();
}

void TControl::UserDblClick() {
    if (Reachable() && OnDblClick)
        OnDblClick(this);
}

void TControl::Click() {
    if (OnClick)
        OnClick(this);
}

void TControl::SetView(std::unique_ptr<ControlView> view) {
    view_ = std::move(view);
}

void TControl::Changed(ViewChange what) {
    if (view_)
        view_->Changed(what);
}

bool TControl::SetProperty(const std::string& name, const LayoutValue& v) {
    if (name == "Left")
        SetLeft(v.AsInt());
    else if (name == "Top")
        SetTop(v.AsInt());
    else if (name == "Width")
        SetWidth(v.AsInt());
    else if (name == "Height")
        SetHeight(v.AsInt());
    else if (name == "Bounds") {
        const auto& n = v.AsStringList();
        if (n.size() != 4)
            throw EInvalidOperation("Bounds needs four numbers");
        SetBounds(std::stoi(n[0]), std::stoi(n[1]), std::stoi(n[2]), std::stoi(n[3]));
    } else if (name == "Anchors")
        SetAnchors(ParseAnchors(v));
    else if (name == "Visible")
        SetVisible(v.AsBool());
    else if (name == "Enabled")
        SetEnabled(v.AsBool());
    else if (name == "Caption")
        SetCaption(v.AsString());
    else if (name == "Hint")
        SetHint(v.AsString());
    else if (name == "Color")
        SetColor(v.AsColor());
    else if (name == "ParentColor")
        SetParentColor(v.AsBool());
    else if (name == "ParentFont")
        SetParentFont(v.AsBool());
    else if (name == "Font.Name")
        font_.SetName(v.AsString());
    else if (name == "Font.Height")
        font_.SetHeight(v.AsInt());
    else if (name == "Font.Color")
        font_.SetColor(v.AsColor());
    else if (name == "Font.Style")
        font_.SetStyle(
            v.AsFlags({{"fsBold", fsBold}, {"fsItalic", fsItalic}, {"fsUnderline", fsUnderline}},
                      "font style"));
    else if (name == "Cursor")
        SetCursor(v.AsEnum<TCursor>(
            {{"crDefault", TCursor::crDefault}, {"crHandPoint", TCursor::crHandPoint}}, "cursor"));
    else
        return false;
    return true;
}

bool TControl::BindEvent(const std::string& event, const std::string& handler,
                         const EventHandlers& handlers) {
    if (event == "OnClick")
        OnClick = handlers.Notify(handler);
    else if (event == "OnDblClick")
        OnDblClick = handlers.Notify(handler);
    else
        return false;
    return true;
}

TWinControl::~TWinControl() {
    if (TForm* form = ParentForm(); form && form != this)
        form->ControlDestroyed(this);
    for (TControl* child : children_)
        child->parent_ = nullptr;
}

std::vector<TControl*> TWinControl::Controls() const {
    std::vector<TControl*> result;
    for (TControl* c : children_)
        if (!c->IsWindowed())
            result.push_back(c);
    for (TControl* c : children_)
        if (c->IsWindowed())
            result.push_back(c);
    return result;
}

TControl* TWinControl::ControlAtPos(int x, int y) {
    // Windowed children lie above the others; among each kind the later one is on top.
    std::vector<TControl*> order = Controls();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        TControl* c = *it;
        if (!c->Visible() || !c->BoundsRect().Contains(x, y))
            continue;
        if (auto* w = dynamic_cast<TWinControl*>(c))
            return w->ControlAtPos(x - c->Left(), y - c->Top());
        return c;
    }
    return this;
}

bool TWinControl::Focused() {
    TForm* form = ParentForm();
    return form && form->FocusedControl() == this;
}

bool TWinControl::CanFocus() const {
    return Showing() && Enabled();
}

void TWinControl::SetFocus() {
    if (TForm* form = ParentForm())
        form->FocusControl(this);
}

void TWinControl::DoEnter() {
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit)
        OnExit(this);
}

bool TWinControl::SetProperty(const std::string& name, const LayoutValue& v) {
    if (name == "TabStop")
        SetTabStop(v.AsBool());
    else
        return TControl::SetProperty(name, v);
    return true;
}

bool TWinControl::BindEvent(const std::string& event, const std::string& handler,
                            const EventHandlers& handlers) {
    if (event == "OnEnter")
        OnEnter = handlers.Notify(handler);
    else if (event == "OnExit")
        OnExit = handlers.Notify(handler);
    else
        return TControl::BindEvent(event, handler, handlers);
    return true;
}

void TWinControl::BoundsChanged(int dw, int dh) {
    for (TControl* child : std::vector<TControl*>(children_))
        child->ParentResized(dw, dh);
}
