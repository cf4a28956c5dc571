#include "platform/check_box.h"
#include "platform/combo_box.h"
#include "platform/edit.h"
#include "platform/page_control.h"
#include "tests/win32/view_test_fixture.h"

#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Four pages: an edit and a combo box; a group box whose check box comes first by position
// though it was placed last; nothing that takes the focus; a check box.
constexpr std::string_view kLayout = R"layout(
object Form: TForm
  ClientWidth = 400
  ClientHeight = 220
  object Pages: TPageControl
    Bounds = (4 4 392 212)
    MultiLine = True
    OnChange = PagesChange
    object Start: TTabSheet
      Caption = "Menu Start"
      object Delay: TEdit
        Bounds = (8 8 100 21)
        Text = "400"
        OnExit = DelayExit
      end
      object Language: TComboBox
        Bounds = (8 40 140 21)
        Style = csDropDownList
      end
    end
    object Desktop: TTabSheet
      Caption = "Pulpit"
      object Later: TCheckBox
        Bounds = (200 8 100 17)
        Caption = "Później"
      end
      object Group: TGroupBox
        Bounds = (8 8 180 60)
        Caption = "Grupa"
        object Inside: TCheckBox
          Bounds = (8 20 100 17)
          Caption = "W grupie"
          OnEnter = InsideEnter
        end
      end
    end
    object Empty: TTabSheet
      Caption = "O programie"
    end
    object Last: TTabSheet
      Caption = "System"
      object Only: TCheckBox
        Bounds = (8 8 100 17)
        Caption = "Jedyny"
      end
    end
  end
end
)layout";

// Keys go in as the keyboard sends them, through the system's input queue, so the key state
// that GetKeyState reads is the real one.
void SendChord(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    auto add = [&](WORD key, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
        if (key == VK_NEXT || key == VK_PRIOR)
            flags |= KEYEVENTF_EXTENDEDKEY;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    for (WORD key : keys)
        add(key, 0);
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it)
        add(*it, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

class PageKeysTest : public Win32ViewTest {
protected:
    void SetUp() override {
        Build(kLayout);
        Get<TPageControl>("Pages").SetActivePageIndex(0);
        SetFocus(Window("Delay"));
        Pump();
        handlers.calls.clear();
    }
    void Press(std::initializer_list<WORD> keys) {
        SendChord(keys);
        Pump();
    }
    int ActivePage() const { return Get<TPageControl>("Pages").ActivePageIndex(); }
};

TEST_F(PageKeysTest, CtrlTabTurnsThePageAndFocusesItsFirstControlInTabOrder) {
    ASSERT_EQ(GetForegroundWindow(), FormWindow());
    Press({VK_CONTROL, VK_TAB});
    EXPECT_EQ(ActivePage(), 1);
    EXPECT_EQ(SendMessageW(Window("Pages"), TCM_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(IsWindowVisible(Window("Desktop")));
    EXPECT_FALSE(IsWindowVisible(Window("Start")));
    EXPECT_EQ(FocusedControl(), &Get<TCheckBox>("Inside"));
    EXPECT_EQ(form->ActiveControl(), &Get<TCheckBox>("Inside"));
    EXPECT_EQ(handlers.calls, (std::vector<std::string>{"PagesChange:Pages", "DelayExit:Delay",
                                                        "InsideEnter:Inside"}));
    // The edit never saw the key.
    EXPECT_EQ(Get<TEdit>("Delay").Text(), "400");
}

TEST_F(PageKeysTest, EveryPageKeyTurnsItsWayAndWrapsRoundAtTheEnds) {
    struct Step {
        std::initializer_list<WORD> keys;
        const char* name;
        int page;
        const char* focused;
    };
    const Step steps[] = {
        {{VK_CONTROL, VK_SHIFT, VK_TAB}, "Ctrl+Shift+Tab", 3, "Only"},
        {{VK_CONTROL, VK_TAB}, "Ctrl+Tab", 0, "Delay"},
        {{VK_CONTROL, VK_NEXT}, "Ctrl+PgDn", 1, "Inside"},
        // A page with nothing to focus leaves the focus on the tabs.
        {{VK_CONTROL, VK_NEXT}, "Ctrl+PgDn", 2, "Pages"},
        {{VK_CONTROL, VK_PRIOR}, "Ctrl+PgUp", 1, "Inside"},
        {{VK_CONTROL, VK_PRIOR}, "Ctrl+PgUp", 0, "Delay"},
        {{VK_CONTROL, VK_PRIOR}, "Ctrl+PgUp", 3, "Only"},
        {{VK_CONTROL, VK_NEXT}, "Ctrl+PgDn", 0, "Delay"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        Press(step.keys);
        EXPECT_EQ(ActivePage(), step.page);
        EXPECT_EQ(FocusedControl(), &Get<TControl>(step.focused));
    }
    EXPECT_EQ(handlers.Count("PagesChange:Pages"), 8);
}

TEST_F(PageKeysTest, WorksFromTheComboBoxEvenWithItsListOpenAndFromTheTabs) {
    HWND combo = Window("Language");
    SetFocus(combo);
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    Pump();
    ASSERT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    Press({VK_CONTROL, VK_TAB});
    EXPECT_EQ(ActivePage(), 1);
    EXPECT_EQ(FocusedControl(), &Get<TCheckBox>("Inside"));
    EXPECT_FALSE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));

    SetFocus(Window("Pages"));
    Pump();
    Press({VK_CONTROL, VK_SHIFT, VK_TAB});
    EXPECT_EQ(ActivePage(), 0);
    EXPECT_EQ(FocusedControl(), &Get<TEdit>("Delay"));
}

} // namespace
