// The layout of the bottom row, the hint panel and the tabs: a 4-pixel margin all round,
// the buttons in two touching groups with a separating line 8 pixels left of each group.
#include "mainwindow/form1.h"

#include "platform/bevel.h"
#include "platform/label.h"
#include "platform/page_control.h"
#include "platform/panel.h"
#include "platform/speed_button.h"

namespace {

constexpr int Margin = 4;
constexpr int LineGap = 8;

// Puts a control at `left`, its bottom `Margin` pixels above the client's bottom edge.
void PlaceOnBottom(TControl& c, int left, int clientHeight) {
    c.SetBounds(left, clientHeight - c.Height() - Margin, c.Width(), c.Height());
}

} // namespace

void TForm1::FormResize(TObject* /*sender*/) {
    const int w = ClientWidth(), h = ClientHeight();
    auto& label15 = FindAs<TLabel>(*this, "Label15");
    auto& close = FindAs<TSpeedButton>(*this, "CloseButton");
    auto& odczytaj = FindAs<TSpeedButton>(*this, "OdczytajButton");
    auto& zastosuj = FindAs<TSpeedButton>(*this, "ZastosujButton");
    auto& bevel1 = FindAs<TBevel>(*this, "Bevel1");
    auto& saveProfile = FindAs<TSpeedButton>(*this, "SaveProfileButton");
    auto& openProfile = FindAs<TSpeedButton>(*this, "OpenProfileButton");
    auto& bevel2 = FindAs<TBevel>(*this, "Bevel2");
    auto& saveStrings = FindAs<TSpeedButton>(*this, "SaveStrings");
    auto& panel2 = FindAs<TPanel>(*this, "Panel2");
    auto& pages = FindAs<TPageControl>(*this, "PageControl1");

    PlaceOnBottom(label15, Margin, h);
    PlaceOnBottom(close, w - close.Width() - Margin, h);
    PlaceOnBottom(odczytaj, close.Left() - odczytaj.Width(), h);
    PlaceOnBottom(zastosuj, odczytaj.Left() - zastosuj.Width(), h);
    PlaceOnBottom(bevel1, zastosuj.Left() - LineGap, h);
    PlaceOnBottom(saveProfile, bevel1.Left() - saveProfile.Width() - Margin, h);
    PlaceOnBottom(openProfile, saveProfile.Left() - saveProfile.Width(), h);
    PlaceOnBottom(bevel2, openProfile.Left() - LineGap, h);
    PlaceOnBottom(saveStrings, bevel2.Left() - saveStrings.Width() - Margin, h);
    panel2.SetBounds(Margin, close.Top() - Margin - panel2.Height(), w - 2 * Margin,
                     panel2.Height());
    pages.SetBounds(Margin, Margin, w - 2 * Margin, panel2.Top() - 2 * Margin);
}
