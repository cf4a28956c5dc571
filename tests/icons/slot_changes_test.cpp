// Default and the picker change only the slots: their location, picture and mark, counted
// once a slot until the next Read.
#include "icons/icon_location.h"
#include "platform/exceptions.h"
#include "settings/change_tracker.h"
#include "tests/icons/icons_fixture.h"

namespace {

class SlotChangeTest : public IconsTest {
protected:
    void Prepare() override { platform.icons.AddIconFile("mydocs.dll", 1); }
};

TEST_F(SlotChangeTest, DefaultGivesTheSlotItsDefaultIconAndMarksIt) {
    struct {
        int slot;
        const char* location;
    } const cases[] = {{1, "mydocs.dll,0"}, {4, "shell32.dll,31"}, {38, "shell32.dll,29"}};
    int count = 0;
    for (const auto& [slot, location] : cases) {
        SCOPED_TRACE(slot);
        RestoreDefault(slot);
        EXPECT_EQ(Location(slot), location);
        EXPECT_EQ(Picture(slot), location);
        EXPECT_TRUE(SlotMarked(slot));
        EXPECT_EQ(Count(), ++count);
    }
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_FALSE(SlotMarked(0));
    EXPECT_EQ(ErrorCount(), 0);
}

TEST_F(SlotChangeTest, ChangingOneSlotTwiceCountsOnceAndTheLastLocationWins) {
    platform.files.AddFile("C:\\i.ico", "");
    platform.icons.AddIconFile("C:\\i.ico", 1);
    platform.fileDialogs.user = [](FileDialogSession& dialog) {
        dialog.Select("C:\\i.ico");
        dialog.DoubleClickCell(0);
    };
    RestoreDefault(5);
    PressButton("DisplayDialogButton");
    EXPECT_EQ(Location(5), "C:\\i.ico,0");
    EXPECT_EQ(Count(), 1);
    RestoreDefault(5);
    EXPECT_EQ(Location(5), "shell32.dll,35");
    EXPECT_EQ(Count(), 1);
}

TEST_F(SlotChangeTest, ReadClearsTheMarksAndReloadsTheSlots) {
    platform.files.AddFile("C:\\i.ico", "");
    platform.icons.AddIconFile("C:\\i.ico", 1);
    Slots().ChangeSlot(7, "C:\\i.ico,0",
                       LocationPicture(platform.files, platform.icons, "C:\\i.ico,0"));
    ASSERT_TRUE(SlotMarked(7));
    Read();
    EXPECT_FALSE(SlotMarked(7));
    EXPECT_EQ(Location(7), "shell32.dll,33");
    EXPECT_EQ(Picture(7), "shell32.dll,33");
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(SlotChangeTest, WithoutASelectedSlotTheButtonsDoNothing) {
    SelectSlot(-1);
    PressButton("DefaultButton");
    PressButton("DisplayDialogButton");
    List().UserDblClick();
    EXPECT_TRUE(platform.fileDialogs.requests.empty());
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(ErrorCount(), 0);
}

TEST_F(SlotChangeTest, ADoubleClickOnTheListOpensThePicker) {
    SelectSlot(2);
    List().UserDblClick();
    EXPECT_EQ(platform.fileDialogs.requests.size(), 1u);
}

class MissingDefaultTest : public IconsTest {};

// mydocs.dll is missing: the image list refuses the empty icon, and the slot stays as it
// was.
TEST_F(MissingDefaultTest, DefaultOfAMissingFileIsRefusedWholly) {
    std::string before = Location(1);
    RestoreDefault(1);
    ASSERT_EQ(ErrorCount(), 1);
    EXPECT_EQ(platform.messageBoxes.shown[0].text, "Unable to Replace Image.");
    EXPECT_EQ(platform.messageBoxes.shown[0].caption, "Sorvanto");
    EXPECT_EQ(Location(1), before);
    EXPECT_FALSE(SlotMarked(1));
    EXPECT_EQ(Count(), 0);
    EXPECT_FALSE(ApplyEnabled());
}

// The call the profiles load icon lines with.
TEST_F(MissingDefaultTest, ChangeSlotSetsTheLocationWithOrWithoutAPicture) {
    Slots().ChangeSlot(12, "C:\\gone.ico,0", std::nullopt);
    EXPECT_EQ(Location(12), "C:\\gone.ico,0");
    EXPECT_EQ(Picture(12), "shell32.dll,6");
    EXPECT_TRUE(SlotMarked(12));
    EXPECT_THROW(Slots().ChangeSlot(13, "C:\\x.dll,3", TIcon()), EInvalidOperation);
    EXPECT_FALSE(SlotMarked(13));
    EXPECT_EQ(Location(13), "shell32.dll,5");
    EXPECT_EQ(Count(), 1);
}

TEST(LocationPictureTest, TakesThePictureOnlyFromAnExistingFile) {
    MemoryFileSystem files;
    FakeIcons icons;
    files.AddFile("C:\\lib.dll", "");
    icons.AddIconFile("C:\\lib.dll", 3);
    icons.AddIconFile("shell32.dll", 184);
    EXPECT_EQ(FakeIcons::SourceOf(*LocationPicture(files, icons, "C:\\lib.dll,2")),
              "C:\\lib.dll,2");
    EXPECT_TRUE(LocationPicture(files, icons, "C:\\lib.dll,7")->Empty());
    EXPECT_FALSE(LocationPicture(files, icons, "C:\\lib.dll"));
    EXPECT_FALSE(LocationPicture(files, icons, "shell32.dll,3"));
    EXPECT_THROW(LocationPicture(files, icons, "C:\\lib.dll,two"), EConvertError);
}

} // namespace
