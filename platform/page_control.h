#pragma once
// TPageControl and TTabSheet: tabbed pages; only the active page is visible. A sheet placed
// on a page control becomes its last page.
#include "platform/control.h"

#include <vector>

class TForm;
class TTabSheet;

class TPageControl : public TWinControl {
public:
    using TWinControl::TWinControl;
    ~TPageControl() override;
    std::string_view ClassName() const override { return "TPageControl"; }

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Page(int index) const { return pages_.at(index); }
    TTabSheet* ActivePage() const;
    int ActivePageIndex() const { return active_; }
    void SetActivePage(TTabSheet* page);
    void SetActivePageIndex(int index);

    bool MultiLine() const { return multiLine_; }
    bool HotTrack() const { return hotTrack_; }

    // The pages' area inside the control. Without a view it is the control less a strip of
    // two tab rows and the borders; the view sets the real one whenever it changes.
    TRect DisplayRect() const;
    void SetDisplayInsets(int left, int top, int right, int bottom);

    TNotifyEvent OnChange;
    // The user picks a tab.
    void UserSelectTab(int index);
    // The user turns to the next page, or going back to the previous one, as Ctrl+Tab and
    // Ctrl+Shift+Tab do: past either end it wraps round, and the change is made as if the
    // user picked that tab. True when another page is showing now.
    bool UserSelectNextPage(bool forward);

    bool SetProperty(const std::string& name, const LayoutValue& value) override;
    bool BindEvent(const std::string& event, const std::string& handler,
                   const EventHandlers& handlers) override;

protected:
    void BoundsChanged(int dw, int dh) override;

private:
    friend class TTabSheet;
    void PlacePages();

    std::vector<TTabSheet*> pages_;
    int active_ = -1;
    bool multiLine_ = false;
    bool hotTrack_ = false;
    int insetLeft_ = 4, insetTop_ = 44, insetRight_ = 4, insetBottom_ = 4;
};

class TTabSheet : public TWinControl {
public:
    using TWinControl::TWinControl;
    ~TTabSheet() override;
    std::string_view ClassName() const override { return "TTabSheet"; }

    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* pageControl);
    int PageIndex() const;

protected:
    void ParentChanged() override;

private:
    TPageControl* pageControl_ = nullptr;
};

// The page control that a form's page keys turn: the innermost one around the control with
// the focus, else the form's first one that is visible inside visible parents; null when
// there is none.
TPageControl* PageControlToTurn(TForm& form);
