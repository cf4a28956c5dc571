#include "platform/edit.h"
#include "platform/text_codec.h"
#include "tests/win32/view_test_fixture.h"

namespace {

constexpr std::string_view kLayout = R"layout(
object Form: TForm
  ClientWidth = 300
  ClientHeight = 120
  object Plain: TEdit
    Bounds = (8 8 200 17)
    OnChange = PlainChange
    OnKeyPress = RecordKey
  end
  object Locking: TEdit
    Bounds = (8 30 200 21)
    OnKeyPress = RejectKey
  end
  object Upper: TEdit
    Bounds = (8 56 200 21)
    MaxLength = 3
    OnKeyPress = UpperKey
  end
  object Secret: TEdit
    Bounds = (8 82 200 21)
    PasswordChar = "*"
  end
end
)layout";

class EditViewTest : public Win32ViewTest {
protected:
    void SetUp() override { Build(kLayout); }

    void TypeInto(std::string_view name, std::wstring_view keys) {
        HWND edit = Window(name);
        SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(-1), -1);
        for (wchar_t key : keys)
            SendMessageW(edit, WM_CHAR, key, 1);
    }
    std::wstring TextOf(std::string_view name) {
        wchar_t text[64] = {};
        GetWindowTextW(Window(name), text, 64);
        return text;
    }
};

TEST_F(EditViewTest, TypedKeysPassKeyPressAndReachTheModelAsTheUsers) {
    TypeInto("Plain", L"ał");
    auto& edit = Get<TEdit>("Plain");
    EXPECT_EQ(edit.Text(), Utf8ToCp1250("ał"));
    EXPECT_TRUE(edit.Modified());
    EXPECT_EQ(handlers.Count("RecordKey:Plain:a"), 1);
    EXPECT_EQ(handlers.Count("RecordKey:Plain:" + Utf8ToCp1250("ł")), 1);
    EXPECT_EQ(handlers.Count("PlainChange:Plain"), 2);
}

TEST_F(EditViewTest, TextSetByCodeIsShownWithoutCountingAsTheUsers) {
    TypeInto("Plain", L"x");
    auto& edit = Get<TEdit>("Plain");
    edit.SetText(Utf8ToCp1250("żółw"));
    EXPECT_EQ(TextOf("Plain"), L"żółw");
    EXPECT_FALSE(edit.Modified());
    EXPECT_EQ(handlers.Count("PlainChange:Plain"), 2);
}

TEST_F(EditViewTest, ARejectedKeyInsertsNothingAndTheReadOnlyEditRefusesTheRest) {
    TypeInto("Locking", L"ab");
    EXPECT_EQ(TextOf("Locking"), L"");
    EXPECT_EQ(Get<TEdit>("Locking").Text(), "");
    EXPECT_TRUE(GetWindowLongW(Window("Locking"), GWL_STYLE) & ES_READONLY);
    EXPECT_EQ(handlers.Count("RejectKey:Locking:b"), 1);
}

TEST_F(EditViewTest, TheWindowProcessesTheKeyAsTheHandlerChangedItUpToMaxLength) {
    TypeInto("Upper", L"abcd");
    EXPECT_EQ(TextOf("Upper"), L"ABC");
    EXPECT_EQ(Get<TEdit>("Upper").Text(), "ABC");
}

TEST_F(EditViewTest, BordersAndPasswordFollowTheModel) {
    // A 17-pixel edit gets the thin border instead of the 3D edge, and a whole line of text
    // fits in it.
    HWND plain = Window("Plain");
    EXPECT_FALSE(GetWindowLongW(plain, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(GetWindowLongW(Window("Locking"), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    RECT text;
    SendMessageW(plain, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    HDC dc = GetDC(plain);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(plain, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(plain, dc);
    EXPECT_GE(text.bottom - text.top, metrics.tmHeight);

    EXPECT_EQ(SendMessageW(Window("Secret"), EM_GETPASSWORDCHAR, 0, 0), L'*');
}

TEST_F(EditViewTest, TheBackgroundIsTheModelsColourAndFollowsIt) {
    auto& edit = Get<TEdit>("Secret");
    edit.SetColor(13612943);
    Pump();
    EXPECT_GT(CountPixels(Window("Secret"), RGB(0x8F, 0xB7, 0xCF)), 100);
}

} // namespace
