#include "platform/page_control.h"

#include "platform/exceptions.h"
#include "platform/form.h"

#include <algorithm>

TPageControl::~TPageControl() {
    // A sheet created before its page control, or owned elsewhere, outlives it.
    for (TTabSheet* page : std::vector<TTabSheet*>(pages_))
        page->SetPageControl(nullptr);
}

TTabSheet* TPageControl::ActivePage() const {
    return active_ >= 0 && active_ < PageCount() ? pages_[active_] : nullptr;
}

void TPageControl::SetActivePage(TTabSheet* page) {
    auto it = std::find(pages_.begin(), pages_.end(), page);
    SetActivePageIndex(it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin()));
}

void TPageControl::SetActivePageIndex(int index) {
    if (index < -1 || index >= PageCount())
        index = -1;
    if (index == active_)
        return;
    active_ = index;
    for (int i = 0; i < PageCount(); ++i)
        pages_[i]->SetVisible(i == active_);
    Changed(ViewChange::ActivePage);
}

TRect TPageControl::DisplayRect() const {
    return {insetLeft_, insetTop_, Width() - insetRight_, Height() - insetBottom_};
}

void TPageControl::SetDisplayInsets(int left, int top, int right, int bottom) {
    insetLeft_ = left;
    insetTop_ = top;
    insetRight_ = right;
    insetBottom_ = bottom;
    PlacePages();
}

void TPageControl::UserSelectTab(int index) {
    if (!Reachable() || index < 0 || index >= PageCount() || index == active_)
        return;
    SetActivePageIndex(index);
    if (OnChange)
        OnChange(this);
}

bool TPageControl::UserSelectNextPage(bool forward) {
    int count = PageCount();
    if (count == 0)
        return false;
    // With no page active, forward starts at the first page and back at the last.
    int from = active_ >= 0 ? active_ : (forward ? count - 1 : 0);
    int previous = active_;
    UserSelectTab((from + (forward ? 1 : count - 1)) % count);
    return active_ != previous;
}

void TPageControl::BoundsChanged(int /*dw*/, int /*dh*/) {
    PlacePages();
}

void TPageControl::PlacePages() {
    TRect r = DisplayRect();
    for (TTabSheet* page : pages_)
        page->SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

bool TPageControl::SetProperty(const std::string& name, const LayoutValue& v) {
    if (name == "MultiLine")
        multiLine_ = v.AsBool();
    else if (name == "HotTrack")
        hotTrack_ = v.AsBool();
    else if (name == "ActivePage") {
        auto* page =
            dynamic_cast<TTabSheet*>(Owner() ? Owner()->FindComponent(v.AsIdentifier()) : nullptr);
        if (!page || page->PageControl() != this)
            throw EInvalidOperation("No page " + v.AsIdentifier());
        SetActivePage(page);
    } else
        return TWinControl::SetProperty(name, v);
    return true;
}

bool TPageControl::BindEvent(const std::string& event, const std::string& handler,
                             const EventHandlers& handlers) {
    if (event == "OnChange")
        OnChange = handlers.Notify(handler);
    else
        return TWinControl::BindEvent(event, handler, handlers);
    return true;
}

TTabSheet::~TTabSheet() {
    SetPageControl(nullptr);
}

void TTabSheet::SetPageControl(TPageControl* pageControl) {
    if (pageControl_ == pageControl)
        return;
    if (pageControl_) {
        auto& pages = pageControl_->pages_;
        TTabSheet* active = pageControl_->ActivePage();
        pages.erase(std::remove(pages.begin(), pages.end(), this), pages.end());
        auto it = std::find(pages.begin(), pages.end(), active);
        pageControl_->active_ = it == pages.end() ? -1 : static_cast<int>(it - pages.begin());
    }
    pageControl_ = pageControl;
    if (pageControl_) {
        pageControl_->pages_.push_back(this);
        if (Parent() != pageControl_)
            SetParent(pageControl_);
        TRect r = pageControl_->DisplayRect();
        SetBounds(r.Left, r.Top, r.Width(), r.Height());
        SetVisible(pageControl_->ActivePage() == this);
    }
}

int TTabSheet::PageIndex() const {
    if (!pageControl_)
        return -1;
    auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::ParentChanged() {
    SetPageControl(dynamic_cast<TPageControl*>(Parent()));
}

namespace {

TPageControl* FirstVisiblePageControl(const TWinControl& parent) {
    for (TControl* child : parent.Controls()) {
        auto* windowed = dynamic_cast<TWinControl*>(child);
        if (!windowed || !windowed->Visible())
            continue;
        if (auto* pages = dynamic_cast<TPageControl*>(windowed))
            return pages;
        if (TPageControl* inner = FirstVisiblePageControl(*windowed))
            return inner;
    }
    return nullptr;
}

} // namespace

TPageControl* PageControlToTurn(TForm& form) {
    for (TControl* c = form.ActiveControl(); c; c = c->Parent())
        if (auto* pages = dynamic_cast<TPageControl*>(c))
            return pages;
    return FirstVisiblePageControl(form);
}
