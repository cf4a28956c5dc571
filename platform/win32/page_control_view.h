#pragma once
// A TPageControl as a tab control with one tab per page. The sheets are child windows over
// its display area; the real display insets, which depend on the number of tab rows, go to
// the model whenever the size changes.
#include "platform/page_control.h"
#include "platform/win32/control_window.h"

class PageControlView final : public ControlWindow {
public:
    PageControlView(TPageControl& pages, ViewContext& context);

    void Changed(ViewChange what) override;
    bool TakesFocus() const override { return true; }
    std::optional<LRESULT> Reflected(UINT message, WPARAM w, LPARAM l) override;
    void ShowTabCaption(int index);

private:
    bool MirrorsCaption() const override { return false; }
    void Place() override;
    void ShowActivePage() const;
    void TellDisplayInsets();

    TPageControl& pages_;
};
