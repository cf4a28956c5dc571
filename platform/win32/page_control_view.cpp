#include "platform/win32/page_control_view.h"

#include "platform/win32/wide_text.h"

#include "platform/win32/windows_api.h"

PageControlView::PageControlView(TPageControl& pages, ViewContext& context)
    : ControlWindow(pages, context), pages_(pages) {
    DWORD style = WS_CLIPCHILDREN | WS_TABSTOP;
    if (pages.MultiLine())
        style |= TCS_MULTILINE;
    if (pages.HotTrack())
        style |= TCS_HOTTRACK;
    CreateChild(WC_TABCONTROLW, style, WS_EX_CONTROLPARENT, false);
    for (int i = 0; i < pages.PageCount(); ++i) {
        std::wstring caption = Wide(pages.Page(i)->Caption());
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        Send(TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    ShowActivePage();
    TellDisplayInsets();
}

void PageControlView::Changed(ViewChange what) {
    if (what == ViewChange::ActivePage)
        ShowActivePage();
    else
        ControlWindow::Changed(what);
}

void PageControlView::ShowActivePage() const {
    Send(TCM_SETCURSEL, static_cast<WPARAM>(pages_.ActivePageIndex()));
}

void PageControlView::ShowTabCaption(int index) {
    if (index < 0 || index >= pages_.PageCount())
        return;
    std::wstring caption = Wide(pages_.Page(index)->Caption());
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    Send(TCM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    // A longer caption can add a row of tabs.
    TellDisplayInsets();
}

void PageControlView::Place() {
    ControlWindow::Place();
    TellDisplayInsets();
}

void PageControlView::TellDisplayInsets() {
    RECT client;
    GetClientRect(Handle(), &client);
    RECT display = client;
    Send(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    const DpiScale& dpi = context_.Dpi();
    pages_.SetDisplayInsets(
        dpi.ToModel(display.left - client.left), dpi.ToModel(display.top - client.top),
        dpi.ToModel(client.right - display.right), dpi.ToModel(client.bottom - display.bottom));
}

std::optional<LRESULT> PageControlView::Reflected(UINT message, WPARAM, LPARAM l) {
    if (message != WM_NOTIFY || reinterpret_cast<NMHDR*>(l)->code != TCN_SELCHANGE)
        return std::nullopt;
    pages_.UserSelectTab(static_cast<int>(Send(TCM_GETCURSEL)));
    // The model may refuse the change; the tabs show its page either way.
    ShowActivePage();
    return 0;
}
