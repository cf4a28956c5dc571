// Read touches a row only when its key is there: a missing key leaves the control as it was
// (and still clears its mark), and Read itself never creates anything.
#include "settings/change_tracker.h"
#include "settings/settings.h"
#include "tests/settings/case_names.h"
#include "tests/settings/recorded_settings.h"
#include "tests/settings/settings_fixture.h"

#include <functional>

namespace {

using namespace paths;

struct KeepCase {
    const char* title;
    // What the registry holds: everything but the key (or value) that the row needs.
    std::function<void(MemoryRegistryStore&)> seed;
    const char* control;
    // The state the control had, which a Read of the missing place would change.
    bool ticked;
};

void PrintTo(const KeepCase& c, std::ostream* os) {
    *os << c.title;
}

const KeepCase KeepCases[] = {
    {"bmp without a default value",
     [](MemoryRegistryStore& r) { r.Put(HKCR, ".bmp", "Content Type", Sz("image/bmp")); },
     "BMPIconBox", true},
    {"bmp with an empty class name",
     [](MemoryRegistryStore& r) { r.Put(HKCR, ".bmp", "", Sz("")); }, "BMPIconBox", true},
    {"bitmap class without DefaultIcon",
     [](MemoryRegistryStore& r) {
         r.Put(HKCR, ".bmp", "", Sz("Paint.Picture"));
         r.Put(HKCR, "Paint.Picture", "", Sz("Bitmap"));
     },
     "BMPIconBox", true},
    {"dll icon key missing",
     [](MemoryRegistryStore& r) { r.Put(HKCR, "cplfile\\DefaultIcon", "", Sz("%1")); },
     "DescriptiveIconsBox", false},
    {"lnkfile missing", [](MemoryRegistryStore&) {}, "IsShortcutBox", false},
    {"RegDone keys missing", [](MemoryRegistryStore&) {}, "RegDoneBox", true},
    {"WindowMetrics missing",
     [](MemoryRegistryStore& r) { r.Put(HKCU, Desktop, "FontSmoothing", Sz("1")); },
     "ShellIconSizeBox", true},
};

class ReadKeepsTest : public SettingsTest, public ::testing::WithParamInterface<KeepCase> {};

TEST_P(ReadKeepsTest, AMissingPlaceLeavesTheControlAsItWas) {
    const KeepCase& c = GetParam();
    c.seed(platform.registry);
    SetBox(c.control, c.ticked);
    Read();
    EXPECT_EQ(Box(c.control).Checked(), c.ticked);
    EXPECT_FALSE(Marked(c.control));
}

INSTANTIATE_TEST_SUITE_P(Rows, ReadKeepsTest, ::testing::ValuesIn(KeepCases), TitleName());

using ReadMissingKeyTest = SettingsTest;

TEST_F(ReadMissingKeyTest, ATickedBoxOfAMissingKeyStaysTickedButLosesItsMark) {
    Click("NoAddingComponentsBox");
    ASSERT_TRUE(ApplyEnabled());
    Read();
    EXPECT_TRUE(Box("NoAddingComponentsBox").Checked());
    EXPECT_FALSE(Marked("NoAddingComponentsBox"));
    EXPECT_EQ(Count(), 0);
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(ReadMissingKeyTest, EditsOfMissingKeysKeepTheirText) {
    Type("MyComputerEdit", "moja");
    Type("RegisteredOwnerEdit", "Jan");
    Read();
    EXPECT_EQ(Edit("MyComputerEdit").Text(), "moja");
    EXPECT_EQ(Edit("RegisteredOwnerEdit").Text(), "Jan");
    EXPECT_FALSE(Marked("MyComputerEdit"));
    EXPECT_FALSE(Marked("RegisteredOwnerEdit"));
}

// Every row's key and value, some present and some not, and Read asks but never writes.
TEST_F(ReadMissingKeyTest, ReadCreatesNoKeyAndWritesNoValue) {
    Put(HKCU, PoliciesExplorer, "NoRun", Dword(1));
    Put(HKCU, Explorer, "link", Bin({0, 1, 2, 3}));
    Put(HKCR, ".bmp", "", Sz("Paint.Picture"));
    Put(HKCR, MyComputer, "InfoTip", Sz("tip"));
    Put(HKLM, CurrentVersion, "RegDone", Sz(""));
    RecordedSettings recorded(platform, *form, form->Changes());
    auto before = platform.registry.Snapshot();

    recorded.settings.OdczytajButtonClick(nullptr);

    EXPECT_EQ(platform.registry.Snapshot(), before);
    for (const std::string& line : recorded.store.log)
        EXPECT_TRUE(line.rfind("open ", 0) == 0 || line.rfind("query ", 0) == 0) << line;
    EXPECT_TRUE(Box("BoxNoRun").Checked());
    EXPECT_TRUE(Box("LinkBox").Checked());
}

TEST_F(ReadMissingKeyTest, ReadingTwiceGivesTheSameWindow) {
    Put(HKCU, PoliciesExplorer, "NoRun", Dword(1));
    Put(HKCU, System, "NoSecCPL", Dword(1));
    Put(HKCU, WindowMetrics, "Shell Icon Size", Sz("48"));
    Put(HKCR, MyComputer, "InfoTip", Sz("tip"));
    Put(HKLM, RegWiz, "@", Sz("1"));
    auto state = [&] {
        std::vector<std::string> lines;
        for (TComponent* c : form->Components())
            if (auto* box = dynamic_cast<TCheckBox*>(c))
                lines.push_back(box->Name() + (box->Checked() ? " x" : " -") +
                                (box->Enabled() ? "" : " disabled") + " " +
                                std::to_string(box->Tag()));
            else if (auto* edit = dynamic_cast<TEdit*>(c))
                lines.push_back(edit->Name() + " " + edit->Text() +
                                (edit->Visible() ? "" : " hidden"));
        return lines;
    };
    Read();
    auto once = state();
    Read();
    EXPECT_EQ(state(), once);
    EXPECT_EQ(Count(), 0);
    EXPECT_FALSE(ApplyEnabled());
}

// A step of Read that raises ends Read, but the change handlers must not stay silenced.
TEST_F(ReadMissingKeyTest, AnErrorDuringReadStillLetsChangesCount) {
    struct : NoWindowSteps {
        void ReadAddRemove(TRegistry&) override { throw ERegistryException("broken"); }
    } failingSteps;
    Settings settings(*form, *app, form->Changes(), failingSteps);
    EXPECT_THROW(settings.OdczytajButtonClick(nullptr), ERegistryException);
    EXPECT_FALSE(form->Changes().ReadInProgress());
    Click("BoxNoRun");
    EXPECT_TRUE(Marked("BoxNoRun"));
    EXPECT_EQ(Count(), 1);
}

} // namespace
