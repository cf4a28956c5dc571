// The English window as the screen shows it: every caption fits its control, measured with
// the control's real font at the screen's DPI, and every hint fits the hint panel.
#include "tests/support/fake_platform.h"
#include "tests/win32/started_program.h"

#include "i18n/language_file.h"
#include "i18n/message_texts.h"
#include "mainwindow/form1.h"
#include "platform/application.h"
#include "platform/label.h"
#include "platform/list_box.h"
#include "platform/page_control.h"
#include "platform/string_list.h"
#include "platform/win32/control_window.h"
#include "platform/win32/font_cache.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_system.h"

#include "platform/win32/windows_api.h"
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

std::vector<std::string> ShippedLines(const wchar_t* name) {
    TStringList lines;
    lines.SetText(FileBytes(BesideThisProgram(name)).value_or(""));
    return lines.Lines();
}

class EnglishWindow : public testing::Test {
protected:
    void SetUp() override {
        std::optional<std::string> english = FileBytes(BesideThisProgram(L"English.svl"));
        ASSERT_TRUE(english) << "English.svl is not beside the tests";
        fakes.files.AddFile("C:\\Program Files\\Sorvanto\\English.svl", *english);
        form = app.CreateForm<TForm1>(texts);
        form->Show();
        Settle();
        ASSERT_EQ(Get<TTabSheet>("OProgramie").Caption(), "About");
    }
    void Settle() {
        for (int round = 0; round < 3; ++round) {
            windows.ProcessMessages(app);
            Sleep(10);
        }
    }
    template <class T> T& Get(const char* name) const { return FindAs<T>(*form, name); }

    // The size a text takes in a control's font; `width` limits the lines of wrapped text.
    SIZE Measure(const TControl& control, const std::string& text, UINT flags, int width = 0) {
        HWND window = WindowOf(control);
        HDC dc = GetDC(window);
        HGDIOBJ old = SelectObject(dc, fonts.Get(control.Font()));
        RECT r{0, 0, width, 0};
        std::wstring wide = Wide(text);
        DrawTextW(dc, wide.c_str(), -1, &r, flags | DT_CALCRECT);
        SelectObject(dc, old);
        ReleaseDC(window, dc);
        return {r.right, r.bottom};
    }
    SIZE ClientOf(const TControl& control) const {
        RECT r;
        GetClientRect(WindowOf(control), &r);
        return {r.right, r.bottom};
    }
    // What a check box leaves for its text: the box, and half a digit's width before it.
    int CheckBoxTextRoom(const TControl& box) {
        int glyph = std::max(GetSystemMetrics(SM_CXMENUCHECK), dpi.ToDevice(12) + 1);
        return ClientOf(box).cx - glyph - Measure(box, "0", DT_SINGLELINE).cx / 2;
    }

    FakePlatform fakes;
    Win32WindowSystem windows{GetModuleHandleW(nullptr)};
    TApplication app{fakes.Replace(windows).Services()};
    MessageTexts texts;
    TForm1* form = nullptr;
    DpiScale dpi = DpiScale::OfScreen();
    FontCache fonts{dpi};
};

TEST_F(EnglishWindow, EveryCaptionFitsItsControl) {
    for (TComponent* component : form->Components()) {
        auto* control = dynamic_cast<TControl*>(component);
        if (!control || control->Caption().empty() || !WindowOf(*control))
            continue;
        const std::string& caption = control->Caption();
        SIZE room = ClientOf(*control);
        SCOPED_TRACE(control->Name() + ": " + caption);
        if (control->ClassNameIs("TCheckBox")) {
            EXPECT_LE(Measure(*control, caption, DT_SINGLELINE).cx, CheckBoxTextRoom(*control));
        } else if (control->ClassNameIs("TSpeedButton")) {
            EXPECT_LE(Measure(*control, caption, DT_SINGLELINE).cx, room.cx - 4);
        } else if (control->ClassNameIs("TGroupBox")) {
            EXPECT_LE(Measure(*control, caption, DT_SINGLELINE).cx, room.cx - 2 * dpi.ToDevice(8));
        } else if (auto* label = dynamic_cast<TLabel*>(control); label && label->WordWrap()) {
            EXPECT_LE(Measure(*label, caption, DT_WORDBREAK, room.cx).cy, room.cy);
        } else if (label && !label->AutoSize()) {
            EXPECT_LE(Measure(*label, caption, DT_SINGLELINE).cx, room.cx);
        } else if (label) {
            // A label fits its text itself: it must stay inside its parent and clear of the
            // controls beside it.
            TWinControl& parent = *label->Parent();
            EXPECT_LE(label->Left() + label->Width(), parent.Width());
            for (TControl* sibling : parent.Controls()) {
                TRect a = label->BoundsRect(), b = sibling->BoundsRect();
                bool overlap =
                    a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
                EXPECT_TRUE(sibling == label || !sibling->Visible() || !overlap)
                    << "overlaps " << sibling->Name();
            }
        }
    }
}

// Hints show in the hint panel only.
TEST_F(EnglishWindow, EveryHintFitsTheHintPanel) {
    auto& panel = Get<TLabel>("LabelHint");
    SIZE room = ClientOf(panel);
    for (TComponent* component : form->Components()) {
        auto* control = dynamic_cast<TControl*>(component);
        if (control && !control->Hint().empty()) {
            EXPECT_LE(Measure(panel, control->Hint(), DT_WORDBREAK, room.cx).cy, room.cy)
                << control->Name() << ": " << control->Hint();
        }
    }
}

// More rows of tabs would take their height from every page.
TEST_F(EnglishWindow, TheTabsTakeNoMoreRowsThanThePolishOnes) {
    HWND tabs = WindowOf(Get<TPageControl>("PageControl1"));
    LRESULT englishRows = SendMessageW(tabs, TCM_GETROWCOUNT, 0, 0);
    ApplyLanguageFile(*form, texts, ShippedLines(L"Polski.svl"));
    Settle();
    ASSERT_EQ(Get<TTabSheet>("OProgramie").Caption(), "O programie");
    EXPECT_LE(englishRows, SendMessageW(tabs, TCM_GETROWCOUNT, 0, 0));
}

// The list draws "N. " and the item's text 36 pixels into each column of 200.
TEST_F(EnglishWindow, EveryIconListTextFitsItsColumn) {
    auto& list = FindAs<TListBox>(*form, "IconsListBox");
    for (int i = 0; i < list.Count(); ++i) {
        std::string line = std::to_string(i) + ". " + list.Items()[i];
        EXPECT_LE(dpi.ToDevice(36) + Measure(list, line, DT_SINGLELINE | DT_NOPREFIX).cx,
                  dpi.ToDevice(200))
            << line;
    }
}

} // namespace
