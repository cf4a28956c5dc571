// The icon picker as the user works it: the strip shows the selected file's icons, the
// chosen cell and the confirmed file make the slot's new location and picture.
#include "icons/dialogs/dialog_filter.h"
#include "icons/dialogs/icon_picker.h"
#include "icons/dialogs/icon_picker_hook.h"
#include "tests/icons/icons_fixture.h"

#include <functional>

namespace {

const std::string Library = "C:\\icons\\library.dll";
const std::string Other = "C:\\icons\\other.dll";
const std::string Text = "C:\\icons\\readme.txt";
const std::string Folder = "C:\\icons";

class IconPickerTest : public IconsTest {
protected:
    void Prepare() override {
        AddIconFile(Library, 60);
        AddIconFile(Other, 5);
        platform.files.AddFile(Text, "text");
    }
    // Opens the picker for a slot with "Z&mień"; `user` acts in the dialog.
    void Change(int slot, std::function<void(FileDialogSession&)> user) {
        platform.fileDialogs.user = [this, user](FileDialogSession& dialog) {
            user(dialog);
            closedByUser = dialog.closed;
        };
        SelectSlot(slot);
        PressButton("DisplayDialogButton");
    }
    // The slot as a default Read left it.
    void ExpectUnchanged(int slot, const std::string& location) {
        EXPECT_EQ(Location(slot), location);
        EXPECT_EQ(Picture(slot), location);
        EXPECT_FALSE(SlotMarked(slot));
        EXPECT_EQ(Count(), 0);
    }

    bool closedByUser = false;
};

TEST_F(IconPickerTest, OpensWithTheTitleFilterAndFlagsOfTheMessageTexts) {
    texts.Set(MsgChangeIconTitle, "");
    Change(0, [](FileDialogSession&) {});
    ASSERT_EQ(platform.fileDialogs.requests.size(), 1u);
    const FileDialogRequest& request = platform.fileDialogs.requests[0];
    EXPECT_EQ(request.kind, FileDialogKind::Open);
    EXPECT_EQ(request.owner, form);
    EXPECT_EQ(request.title, "");
    EXPECT_EQ(request.filter, MakeDialogFilter(texts[MsgIconFilter]));
    EXPECT_EQ(request.flags, 0x81864u);
    EXPECT_EQ(request.initialFile, "");
    EXPECT_EQ(request.defaultExtension, "");
}

TEST_F(IconPickerTest, TheChosenIconOfTheSelectedFileBecomesTheSlots) {
    Change(9, [](FileDialogSession& dialog) {
        dialog.Select(Library);
        EXPECT_EQ(dialog.cells.size(), 60u);
        EXPECT_EQ(FakeIcons::SourceOf(dialog.cells[59]), Library + ",59");
        dialog.ClickCell(3);
        dialog.PressOk();
    });
    EXPECT_TRUE(closedByUser);
    EXPECT_EQ(Location(9), Library + ",3");
    EXPECT_EQ(Picture(9), Library + ",3");
    EXPECT_TRUE(SlotMarked(9));
    EXPECT_EQ(Count(), 1);
    EXPECT_TRUE(ApplyEnabled());
}

TEST_F(IconPickerTest, ADoubleClickOnACellConfirmsIt) {
    Change(2, [](FileDialogSession& dialog) {
        dialog.Select(Other);
        dialog.DoubleClickCell(4);
    });
    EXPECT_TRUE(closedByUser);
    EXPECT_EQ(Location(2), Other + ",4");
    EXPECT_EQ(Picture(2), Other + ",4");
}

TEST_F(IconPickerTest, CancelOrOkWithoutAChosenIconChangesNothing) {
    const std::vector<std::function<void(FileDialogSession&)>> users = {
        [](FileDialogSession& d) {
            d.Select(Library);
            d.ClickCell(3);
            d.Cancel();
        },
        [](FileDialogSession& d) {
            d.Select(Library);
            d.PressOk();
        },
    };
    for (const auto& user : users) {
        Change(0, user);
        ExpectUnchanged(0, "shell32.dll,15");
    }
}

// The choice follows the strip: a new file's icons or an empty strip leave nothing chosen,
// while a repeated notice of the file shown (in any letter case) changes nothing.
TEST_F(IconPickerTest, TheChoiceGoesWhenTheStripIsRefilledOrEmptied) {
    const std::vector<std::optional<std::string>> nextSelections = {Other, Text, Folder,
                                                                    std::nullopt};
    for (const auto& next : nextSelections) {
        Change(0, [&](FileDialogSession& dialog) {
            dialog.Select(Library);
            dialog.ClickCell(3);
            dialog.Select(next);
            dialog.Select(Library);
            dialog.PressOk();
        });
        ExpectUnchanged(0, "shell32.dll,15");
    }
    Change(0, [](FileDialogSession& dialog) {
        dialog.Select(Library);
        dialog.ClickCell(3);
        dialog.Select("c:\\ICONS\\LIBRARY.DLL");
        EXPECT_EQ(dialog.refills, 1);
        dialog.PressOk();
    });
    EXPECT_EQ(Location(0), "c:\\ICONS\\LIBRARY.DLL,3");
}

TEST_F(IconPickerTest, AFileWithoutIconsLeavesTheStripEmpty) {
    Change(0, [](FileDialogSession& dialog) {
        dialog.Select(Library);
        dialog.Select(Text);
        EXPECT_TRUE(dialog.cells.empty());
        EXPECT_EQ(dialog.refills, 2);
        dialog.ClickCell(0);
        dialog.PressOk();
    });
    EXPECT_TRUE(closedByUser);
    ExpectUnchanged(0, "shell32.dll,15");
}

// A typed name that the strip does not show fills the strip and keeps the dialog open, so
// that the location and the picture name the same file.
TEST_F(IconPickerTest, ATypedFileFillsTheStripBeforeItCanBeConfirmed) {
    Change(5, [](FileDialogSession& dialog) {
        dialog.Select(Library);
        dialog.ClickCell(2);
        dialog.TypeName(Other);
        dialog.PressOk();
        EXPECT_FALSE(dialog.closed);
        EXPECT_EQ(dialog.cells.size(), 5u);
        EXPECT_EQ(FakeIcons::SourceOf(dialog.cells[0]), Other + ",0");
        dialog.ClickCell(1);
        dialog.PressOk();
    });
    EXPECT_TRUE(closedByUser);
    EXPECT_EQ(Location(5), Other + ",1");
    EXPECT_EQ(Picture(5), Other + ",1");
}

TEST_F(IconPickerTest, ATypedFileWithoutIconsClosesAtTheSecondOkWithoutAChange) {
    Change(5, [](FileDialogSession& dialog) {
        dialog.Select(Library);
        dialog.ClickCell(2);
        dialog.TypeName(Text);
        dialog.PressOk();
        EXPECT_FALSE(dialog.closed);
        EXPECT_TRUE(dialog.cells.empty());
        dialog.PressOk();
    });
    EXPECT_TRUE(closedByUser);
    ExpectUnchanged(5, "shell32.dll,35");
}

// A name the program's text cannot hold would become a location naming another file.
TEST_F(IconPickerTest, AFileNameOutsideTheCodePageIsRefusedWithAnError) {
    Change(5, [this](FileDialogSession& dialog) {
        dialog.Select(Library);
        dialog.ClickCell(2);
        dialog.Select(std::nullopt);
        EXPECT_TRUE(dialog.cells.empty());
        dialog.PressOk();
        EXPECT_FALSE(dialog.closed);
        ASSERT_EQ(ErrorCount(), 1);
        EXPECT_EQ(platform.messageBoxes.shown[0].text, UnnamableFileMessage());
        EXPECT_EQ(platform.messageBoxes.shown[0].caption, "Sorvanto");
        dialog.Cancel();
    });
    ExpectUnchanged(5, "shell32.dll,35");
}

struct FilterCase {
    const char* text;
    std::string list;
};

TEST(MakeDialogFilterTest, EndsTheListWithItsEmptyString) {
    using namespace std::string_literals;
    const FilterCase cases[] = {
        {"Ikony (*.ico)|*.ico|Wszystkie pliki (*.*)|*.*|",
         "Ikony (*.ico)\0*.ico\0Wszystkie pliki (*.*)\0*.*\0\0"s},
        {"Ikony (*.ico)|*.ico", "Ikony (*.ico)\0*.ico\0\0"s},
        {"", "\0"s},
    };
    for (const FilterCase& c : cases)
        EXPECT_EQ(MakeDialogFilter(c.text), c.list) << c.text;
}

TEST(MakeDialogFilterTest, TheBuiltInIconFilterHoldsFiveFilters) {
    MessageTexts texts;
    std::string list = MakeDialogFilter(texts[MsgIconFilter]);
    std::vector<std::string> parts;
    for (std::size_t at = 0; at < list.size() && list[at] != '\0';) {
        parts.push_back(list.substr(at, list.find('\0', at) - at));
        at += parts.back().size() + 1;
    }
    ASSERT_EQ(parts.size(), 10u);
    EXPECT_EQ(parts[0], "Pliki ikon");
    EXPECT_EQ(parts[1], "*.ico;*.exe;*.dll;*.cpl;*.drv;*.ocx;*.vbx;*.icl;*.il;*.nil");
    EXPECT_EQ(parts[8], "Wszystkie pliki (*.*)");
    EXPECT_EQ(parts[9], "*.*");
    EXPECT_EQ(list.substr(list.size() - 2), std::string(2, '\0'));
}

} // namespace
