#include "platform/combo_box.h"
#include "platform/list_box.h"
#include "platform/text_codec.h"
#include "platform/win32/collation.h"
#include "platform/win32/wide_text.h"
#include "tests/win32/view_test_fixture.h"

#include <string>
#include <vector>

namespace {

constexpr std::string_view kLayout = R"layout(
object Form: TForm
  ClientWidth = 400
  ClientHeight = 200
  object Icons: TListBox
    Bounds = (8 8 380 100)
    Style = lbOwnerDrawFixed
    ItemHeight = 34
    Columns = -1
    Items = (
      "Mój komputer"
      "Kosz (pełny)"
      "Skrót"
    )
    OnDrawItem = DrawItem
    OnChange = IconsChange
    OnDblClick = IconsDblClick
  end
  object Names: TListBox
    Bounds = (8 112 180 80)
    Sorted = True
  end
  object Languages: TComboBox
    Bounds = (200 112 180 21)
    Style = csDropDownList
    Sorted = True
    OnChange = LanguagesChange
  end
end
)layout";

class ListViewsTest : public Win32ViewTest {
protected:
    void SetUp() override { Build(kLayout); }

    std::vector<std::wstring> ListTexts(HWND list, UINT count, UINT get) {
        std::vector<std::wstring> texts;
        int n = static_cast<int>(SendMessageW(list, count, 0, 0));
        for (int i = 0; i < n; ++i) {
            wchar_t text[128] = {};
            SendMessageW(list, get, i, reinterpret_cast<LPARAM>(text));
            texts.push_back(text);
        }
        return texts;
    }
    void Notify(HWND control, int code) {
        SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                     reinterpret_cast<LPARAM>(control));
    }
};

// Polish words whose order differs between a byte order and the system's.
const std::vector<std::string> kWords = {"Żółw",   "zebra", "Łódź", "lampa",  "Ćma",
                                         "czapla", "Ąb",    "ab",   "ósemka", "Oko"};

TEST_F(ListViewsTest, ASortedModelListPutsItemsWhereTheSystemsSortedListWould) {
    HWND sorted = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | LBS_SORT | LBS_HASSTRINGS, 0, 0,
                                  10, 10, FormWindow(), nullptr, nullptr, nullptr);
    auto& names = Get<TListBox>("Names");
    for (const std::string& word : kWords) {
        names.Add(Utf8ToCp1250(word));
        SendMessageW(sorted, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(Wide(Utf8ToCp1250(word)).c_str()));
    }
    EXPECT_EQ(ListTexts(Window("Names"), LB_GETCOUNT, LB_GETTEXT),
              ListTexts(sorted, LB_GETCOUNT, LB_GETTEXT));
    DestroyWindow(sorted);
}

TEST_F(ListViewsTest, TheWindowMirrorsTheModelsItemsAndSelection) {
    auto& list = Get<TListBox>("Icons");
    list.SetItem(1, Utf8ToCp1250("Kosz (pusty)"));
    list.Add("Nowy");
    EXPECT_EQ(ListTexts(Window("Icons"), LB_GETCOUNT, LB_GETTEXT),
              (std::vector<std::wstring>{L"Mój komputer", L"Kosz (pusty)", L"Skrót", L"Nowy"}));
    list.SetItemIndex(2);
    EXPECT_EQ(SendMessageW(Window("Icons"), LB_GETCURSEL, 0, 0), 2);
    list.Clear();
    EXPECT_EQ(SendMessageW(Window("Icons"), LB_GETCOUNT, 0, 0), 0);
}

TEST_F(ListViewsTest, TheUsersSelectionAndDoubleClickReachTheModel) {
    HWND icons = Window("Icons");
    SendMessageW(icons, LB_SETCURSEL, 1, 0);
    Notify(icons, LBN_SELCHANGE);
    EXPECT_EQ(Get<TListBox>("Icons").ItemIndex(), 1);
    EXPECT_EQ(handlers.Count("IconsChange:Icons"), 1);
    Notify(icons, LBN_DBLCLK);
    EXPECT_EQ(handlers.Count("IconsDblClick:Icons"), 1);
}

TEST_F(ListViewsTest, OwnerDrawnItemsAreDrawnByTheModelOnAPreparedCanvas) {
    HWND icons = Window("Icons");
    EXPECT_TRUE(GetWindowLongW(icons, GWL_STYLE) & LBS_MULTICOLUMN);
    EXPECT_EQ(SendMessageW(icons, LB_GETITEMHEIGHT, 0, 0), 34);
    Get<TListBox>("Icons").SetItemIndex(1);
    RedrawWindow(icons, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    // The selected item on the highlight colour, the others on the list's colour.
    EXPECT_GE(handlers.Count("DrawItem:1:" + std::to_string(odSelected) + ":" +
                             std::to_string(clHighlight)),
              1);
    EXPECT_GE(handlers.Count("DrawItem:0:0:" + std::to_string(Get<TListBox>("Icons").Color())), 1);
}

TEST_F(ListViewsTest, TheColumnWidthComesFromTheModel) {
    auto& list = Get<TListBox>("Icons");
    list.SetColumnWidth(200);
    RECT item;
    SendMessageW(Window("Icons"), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.right - item.left, 200);
}

TEST_F(ListViewsTest, AComboBoxMirrorsItsItemsAndTakesThePick) {
    auto& combo = Get<TComboBox>("Languages");
    combo.Add("Polski");
    combo.Add("English");
    HWND window = Window("Languages");
    EXPECT_EQ(ListTexts(window, CB_GETCOUNT, CB_GETLBTEXT),
              (std::vector<std::wstring>{L"English", L"Polski"}));
    SendMessageW(window, CB_SETCURSEL, 1, 0);
    Notify(window, CBN_SELCHANGE);
    EXPECT_EQ(combo.Text(), "Polski");
    EXPECT_EQ(handlers.Count("LanguagesChange:Languages"), 1);
    combo.SetItemIndex(0);
    EXPECT_EQ(SendMessageW(window, CB_GETCURSEL, 0, 0), 0);
}

} // namespace
