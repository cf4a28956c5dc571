#include "platform/application.h"
#include "platform/check_box.h"
#include "platform/edit.h"
#include "platform/form.h"
#include "platform/image_list.h"
#include "platform/label.h"
#include "platform/layout_reader.h"
#include "platform/list_box.h"
#include "platform/page_control.h"
#include "tests/support/fake_platform.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// Handlers known by name; each call writes "<handler> <sender's name>" to the log.
class LoggingHandlers : public EventHandlers {
public:
    explicit LoggingHandlers(std::vector<std::string>& log) : log_(log) {}

    TNotifyEvent Notify(const std::string& name) const override {
        Check(name);
        return [this, name](TObject* sender) { Log(name, sender); };
    }
    TKeyPressEvent KeyPress(const std::string& name) const override {
        Check(name);
        return [this, name](TObject* sender, char&) { Log(name, sender); };
    }
    TCloseEvent Close(const std::string& name) const override {
        Check(name);
        return [this, name](TObject* sender, TCloseAction&) { Log(name, sender); };
    }
    TDrawItemEvent DrawItem(const std::string& name) const override {
        Check(name);
        return [this, name](TWinControl* sender, int, const TRect&, TOwnerDrawState) {
            Log(name, sender);
        };
    }

private:
    void Check(const std::string& name) const {
        static const std::set<std::string> known = {"CheckBoxClick", "EditChange",   "FormResize",
                                                    "PagesChange",   "EditKeyPress", "FormClose"};
        if (!known.contains(name))
            throw EInvalidOperation("No handler " + name);
    }
    void Log(const std::string& name, TObject* sender) const {
        auto* component = dynamic_cast<TComponent*>(sender);
        log_.push_back(name + " " + (component ? component->Name() : "?"));
    }

    std::vector<std::string>& log_;
};

class LayoutReaderTest : public ::testing::Test {
protected:
    void Load(TForm& target) {
        LoadLayout(
            target, "form.layout",
            [this](std::string_view name) -> std::string_view {
                auto it = files.find(std::string(name));
                if (it == files.end())
                    throw EFOpenError("Cannot open file " + std::string(name));
                return it->second;
            },
            handlers);
    }
    template <class T> T& Get(std::string_view name) { return FindAs<T>(*form, name); }

    FakePlatform platform;
    TApplication app{platform.Services()};
    TForm* form = app.CreateForm<TForm>();
    std::map<std::string, std::string> files;
    std::vector<std::string> log;
    LoggingHandlers handlers{log};
};

} // namespace

TEST_F(LayoutReaderTest, BuildsTheComponentsWithTheirPropertiesAndParents) {
    files["form.layout"] = R"(# the main window
object Form1: TForm1
  Caption = "Ustawienia ""zaawansowane"""
  ClientWidth = 600
  ClientHeight = 400
  object Pages: TPageControl
    Bounds = (0 0 600 360)
    Anchors = [akLeft, akTop, akRight, akBottom]
    object First: TTabSheet
      Caption = "Pierwsza"
      object NameEdit: TEdit
        Bounds = (8 8 200 21)
        Text = "Zażółć"
      end
    end
    include "second.layout"
  end
  object Box: TCheckBox
    Left = 8
    Top = -2
    Font.Style = [fsBold, fsUnderline]
    Hint = "Pierwsza część, " +
      "druga # bez komentarza" +  # a comment after the value
      ""
  end
  object Places: TListBox
    Items = (
      "Mój komputer"
      # a comment inside the list
      "Kosz" 12
    )
  end
  object Title: TLabel
    Alignment = taCenter
    Font.Color = clBlue
    Anchors = []
  end
  object Icons: TImageList
    Width = 32
  end
end
)";
    files["second.layout"] = R"(object Second: TTabSheet
  Caption = "Druga"
  object Note: TLabel
    Caption = "ł"
  end
end
)";
    Load(*form);

    EXPECT_EQ(form->Name(), "Form1");
    EXPECT_EQ(form->Caption(), "Ustawienia \"zaawansowane\"");
    EXPECT_EQ(form->ClientWidth(), 600);
    std::vector<std::string> names;
    for (TComponent* c : form->Components())
        names.push_back(c->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"Pages", "First", "NameEdit", "Second", "Note",
                                               "Box", "Places", "Title", "Icons"}));

    struct Parent {
        const char* child;
        TWinControl* parent;
    } parents[] = {{"Pages", form},
                   {"First", &Get<TPageControl>("Pages")},
                   {"NameEdit", &Get<TTabSheet>("First")},
                   {"Second", &Get<TPageControl>("Pages")},
                   {"Note", &Get<TTabSheet>("Second")},
                   {"Box", form},
                   {"Title", form}};
    for (const auto& p : parents)
        EXPECT_EQ(Get<TControl>(p.child).Parent(), p.parent) << p.child;

    auto& pages = Get<TPageControl>("Pages");
    EXPECT_EQ(pages.BoundsRect(), (TRect{0, 0, 600, 360}));
    EXPECT_EQ(pages.Anchors(), akLeft | akTop | akRight | akBottom);
    EXPECT_EQ(pages.PageCount(), 2);
    EXPECT_EQ(Get<TEdit>("NameEdit").Text(), "Za\xBF\xF3\xB3\xE6");
    EXPECT_EQ(Get<TLabel>("Note").Caption(), "\xB3");
    auto& box = Get<TCheckBox>("Box");
    EXPECT_EQ(box.Left(), 8);
    EXPECT_EQ(box.Top(), -2);
    EXPECT_EQ(box.Font().Style(), fsBold | fsUnderline);
    EXPECT_EQ(box.Hint(), "Pierwsza cz\xEA\x9C\xE6, druga # bez komentarza");
    EXPECT_EQ(Get<TListBox>("Places").Items(),
              (std::vector<std::string>{"M\xF3j komputer", "Kosz", "12"}));
    EXPECT_EQ(Get<TLabel>("Title").Alignment(), TAlignment::taCenter);
    EXPECT_EQ(Get<TLabel>("Title").Font().Color(), clBlue);
    EXPECT_EQ(Get<TLabel>("Title").Anchors(), 0u);
    EXPECT_EQ(Get<TImageList>("Icons").Width(), 32);
}

TEST_F(LayoutReaderTest, EventsAreBoundButNothingRunsWhileLoading) {
    files["form.layout"] = R"(object Form1: TForm
  OnResize = FormResize
  OnClose = FormClose
  object Pages: TPageControl
    Bounds = (0 0 300 200)
    OnChange = PagesChange
    object First: TTabSheet
      object Box: TCheckBox
        OnClick = CheckBoxClick
        Checked = True
      end
      object NameEdit: TEdit
        OnChange = EditChange
        OnKeyPress = EditKeyPress
        Text = "start"
      end
    end
    object Second: TTabSheet
    end
  end
end
)";
    Load(*form);
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(Get<TCheckBox>("Box").Checked());
    EXPECT_EQ(Get<TEdit>("NameEdit").Text(), "start");

    form->DoCreate();
    form->Show();
    auto& pages = Get<TPageControl>("Pages");
    pages.SetActivePageIndex(1);
    pages.UserSelectTab(0);
    Get<TCheckBox>("Box").UserClick();
    Get<TEdit>("NameEdit").UserType("x");
    form->Close();
    EXPECT_EQ(log, (std::vector<std::string>{"FormResize Form1", "PagesChange Pages",
                                             "CheckBoxClick Box", "EditKeyPress NameEdit",
                                             "EditChange NameEdit", "FormClose Form1"}));
}

TEST_F(LayoutReaderTest, ReferencesToComponentsApplyAfterTheLoad) {
    files["form.layout"] = R"(object Form1: TForm
  ActiveControl = Later
  object Pages: TPageControl
    ActivePage = Second
    object First: TTabSheet
    end
    object Second: TTabSheet
      object Later: TEdit
      end
    end
  end
end
)";
    Load(*form);
    auto& pages = Get<TPageControl>("Pages");
    EXPECT_EQ(pages.ActivePage(), &Get<TTabSheet>("Second"));
    EXPECT_FALSE(Get<TTabSheet>("First").Visible());
    EXPECT_TRUE(Get<TTabSheet>("Second").Visible());
    EXPECT_EQ(form->ActiveControl(), &Get<TEdit>("Later"));
}

TEST_F(LayoutReaderTest, ErrorsNameTheFileAndLine) {
    struct Case {
        const char* what;
        std::string main, included;
        std::string place, mentions;
    } cases[] = {
        {"unknown class", "object F: TForm\n  object X: TMemo\n  end\nend\n", "", "form.layout:2",
         "TMemo"},
        {"unknown property",
         "object F: TForm\n  object X: TLabel\n    Colour = clRed\n  end\nend\n", "",
         "form.layout:3", "Colour"},
        {"unknown handler",
         "object F: TForm\n  object X: TCheckBox\n    OnClick = NoSuchClick\n  end\nend\n", "",
         "form.layout:3", "NoSuchClick"},
        {"event the class lacks",
         "object F: TForm\n  object X: TLabel\n    OnChange = EditChange\n  end\nend\n", "",
         "form.layout:3", "OnChange"},
        {"missing end", "object F: TForm\n  object X: TLabel\n  end\n", "", "form.layout:3", "end"},
        {"one name twice",
         "object F: TForm\n  object Edit1: TEdit\n  end\n  object EDIT1: TEdit\n  end\nend\n", "",
         "form.layout:4", "EDIT1"},
        {"error in an included file", "object F: TForm\n  include \"tab.layout\"\nend\n",
         "object T: TPanel\n  Width = \"wide\"\nend\n", "tab.layout:2", ""},
        {"unknown active control", "object F: TForm\n  ActiveControl = Missing\nend\n", "",
         "form.layout:2", "Missing"},
        {"unknown active page",
         "object F: TForm\n  object P: TPageControl\n    ActivePage = Missing\n  end\nend\n", "",
         "form.layout:3", "Missing"},
        {"control on a label",
         "object F: TForm\n  object L: TLabel\n    object E: TEdit\n    end\n  end\nend\n", "",
         "form.layout:3", ""},
        {"unterminated string", "object F: TForm\n  Caption = \"abc\nend\n", "", "form.layout:2",
         ""},
        {"list past the end", "object F: TForm\n  object L: TListBox\n    Items = (\n      \"a\"\n",
         "", "form.layout:4", ""},
        {"number beyond any type", "object F: TForm\n  Left = 99999999999999999999\nend\n", "",
         "form.layout:2", ""},
        // A long has 32 bits on Windows and 64 here: both builds must refuse the same.
        {"number beyond 32 bits", "object F: TForm\n  Left = 3000000000\nend\n", "",
         "form.layout:2", ""},
    };
    for (const auto& c : cases) {
        files = {{"form.layout", c.main}, {"tab.layout", c.included}};
        TForm target(app);
        try {
            Load(target);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const std::exception& e) {
            std::string message = e.what();
            EXPECT_NE(message.find(c.place + ":"), std::string::npos) << c.what << ": " << message;
            EXPECT_NE(message.find(c.mentions), std::string::npos) << c.what << ": " << message;
        }
    }
}

TEST_F(LayoutReaderTest, AHandlerKindTheFormDoesNotResolveRaisesNamingTheWindow) {
    const std::string layout = "object F: TForm\n  object X: TCheckBox\n    OnClick = BoxClick\n"
                               "  end\nend\n";
    EventHandlers none("test window");
    TForm target(app);
    try {
        LoadLayout(
            target, "form.layout", [&](std::string_view) -> std::string_view { return layout; },
            none);
        ADD_FAILURE() << "no error";
    } catch (const EInvalidOperation& e) {
        std::string message = e.what();
        EXPECT_NE(message.find("form.layout:3:"), std::string::npos) << message;
        EXPECT_NE(message.find("The test window has no handler BoxClick"), std::string::npos)
            << message;
    }
}
