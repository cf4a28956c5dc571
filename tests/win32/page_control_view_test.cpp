#include "platform/check_box.h"
#include "platform/page_control.h"
#include "tests/win32/view_test_fixture.h"

#include "platform/win32/windows_api.h"

namespace {

constexpr std::string_view kLayout = R"layout(
object Form: TForm
  ClientWidth = 400
  ClientHeight = 200
  object Pages: TPageControl
    Bounds = (4 4 392 192)
    MultiLine = True
    HotTrack = True
    ActivePage = Last
    OnChange = PagesChange
    object First: TTabSheet
      Caption = "Menu Start"
      object Corner: TCheckBox
        Bounds = (8 100 100 17)
        Anchors = [akLeft, akBottom]
        Caption = "Na dole"
      end
    end
    object Second: TTabSheet
      Caption = "Ograniczenia 2"
    end
    object Last: TTabSheet
      Caption = "O programie"
    end
  end
end
)layout";

class PageControlViewTest : public Win32ViewTest {
protected:
    void SetUp() override { Build(kLayout); }

    // The display area as the tab control computes it, in client pixels of the control.
    RECT WindowDisplayRect() {
        RECT r;
        GetClientRect(Window("Pages"), &r);
        SendMessageW(Window("Pages"), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
        return r;
    }
    std::wstring TabText(int index) {
        wchar_t text[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(Window("Pages"), TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
        return text;
    }
    void UserPicksTab(int index) {
        HWND tabs = Window("Pages");
        SendMessageW(tabs, TCM_SETCURSEL, index, 0);
        NMHDR notice{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), TCN_SELCHANGE};
        SendMessageW(GetParent(tabs), WM_NOTIFY, notice.idFrom, reinterpret_cast<LPARAM>(&notice));
    }
};

TEST_F(PageControlViewTest, HasOneTabPerPageWithItsCaption) {
    HWND tabs = Window("Pages");
    EXPECT_EQ(ClassOf(tabs), WC_TABCONTROLW);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(TabText(1), L"Ograniczenia 2");
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 2);

    Get<TTabSheet>("Second").SetCaption("Ograniczenia");
    EXPECT_EQ(TabText(1), L"Ograniczenia");
}

TEST_F(PageControlViewTest, PickingATabSwitchesTheModelsPage) {
    UserPicksTab(0);
    EXPECT_EQ(Get<TPageControl>("Pages").ActivePageIndex(), 0);
    EXPECT_EQ(handlers.Count("PagesChange:Pages"), 1);
    EXPECT_TRUE(IsWindowVisible(Window("First")));
    EXPECT_FALSE(IsWindowVisible(Window("Last")));

    Get<TPageControl>("Pages").SetActivePageIndex(1);
    EXPECT_EQ(SendMessageW(Window("Pages"), TCM_GETCURSEL, 0, 0), 1);
}

TEST_F(PageControlViewTest, SheetsFillTheRealDisplayAreaAsTheTabRowsChange) {
    auto& pages = Get<TPageControl>("Pages");
    TRect shown = pages.DisplayRect();
    RECT real = WindowDisplayRect();
    EXPECT_EQ(shown, (TRect{real.left, real.top, real.right, real.bottom}));
    int cornerTop = Get<TCheckBox>("Corner").Top();

    // Narrow enough for one tab a row: more rows, a lower display area, and the anchored
    // box inside a sheet moves up by as much as the sheet lost.
    int rowsBefore = static_cast<int>(SendMessageW(Window("Pages"), TCM_GETROWCOUNT, 0, 0));
    pages.SetWidth(110);
    int rowsAfter = static_cast<int>(SendMessageW(Window("Pages"), TCM_GETROWCOUNT, 0, 0));
    ASSERT_GT(rowsAfter, rowsBefore);
    real = WindowDisplayRect();
    EXPECT_EQ(pages.DisplayRect(), (TRect{real.left, real.top, real.right, real.bottom}));
    EXPECT_EQ(Get<TTabSheet>("First").Height(), real.bottom - real.top);
    EXPECT_EQ(Get<TCheckBox>("Corner").Top(), cornerTop - (real.top - shown.Top));
}

} // namespace
