#include "platform/application.h"
#include "platform/edit.h"
#include "platform/form.h"
#include "platform/page_control.h"
#include "platform/panel.h"
#include "tests/support/fake_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A 600 x 400 page control with three sheets, placed in the two ways a sheet gets there.
class PageControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        pages = new TPageControl(&owner);
        pages->SetBounds(0, 0, 600, 400);
        for (auto*& sheet : sheets)
            sheet = new TTabSheet(&owner);
        sheets[0]->SetParent(pages);
        sheets[1]->SetPageControl(pages);
        sheets[2]->SetParent(pages);
    }

    std::vector<bool> Shown() const {
        std::vector<bool> shown;
        for (int i = 0; i < pages->PageCount(); ++i)
            shown.push_back(pages->Page(i)->Visible());
        return shown;
    }

    TComponent owner{nullptr};
    TPageControl* pages = nullptr;
    TTabSheet* sheets[3] = {};
};

TEST_F(PageControlTest, SheetsAreThePagesInOrderAndOnlyTheActiveOneIsShown) {
    ASSERT_EQ(pages->PageCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(pages->Page(i), sheets[i]);
        EXPECT_EQ(sheets[i]->PageIndex(), i);
        EXPECT_EQ(sheets[i]->PageControl(), pages);
        EXPECT_EQ(sheets[i]->Parent(), pages);
    }

    pages->SetActivePage(sheets[1]);
    EXPECT_EQ(pages->ActivePageIndex(), 1);
    EXPECT_EQ(Shown(), (std::vector<bool>{false, true, false}));
    pages->SetActivePageIndex(2);
    EXPECT_EQ(pages->ActivePage(), sheets[2]);
    EXPECT_EQ(Shown(), (std::vector<bool>{false, false, true}));
}

TEST_F(PageControlTest, SheetsFillTheDisplayRectAndFollowThePageControl) {
    auto* edit = new TEdit(&owner);
    edit->SetParent(sheets[0]);
    edit->SetBounds(160, 0, 415, 17);
    edit->SetAnchors(akLeft | akTop | akRight);

    EXPECT_EQ(pages->DisplayRect(), (TRect{4, 44, 596, 396}));
    for (auto* sheet : sheets)
        EXPECT_EQ(sheet->BoundsRect(), (TRect{4, 44, 596, 396}));

    pages->SetBounds(0, 0, 700, 450);
    for (auto* sheet : sheets)
        EXPECT_EQ(sheet->BoundsRect(), (TRect{4, 44, 696, 446}));
    EXPECT_EQ(edit->BoundsRect(), (TRect{160, 0, 675, 17}));

    // The view knows the real tab strip.
    pages->SetDisplayInsets(2, 24, 2, 2);
    EXPECT_EQ(sheets[2]->BoundsRect(), (TRect{2, 24, 698, 448}));
    EXPECT_EQ(edit->BoundsRect(), (TRect{160, 0, 679, 17}));
}

TEST_F(PageControlTest, UserSelectingAnotherTabRaisesOnChange) {
    pages->SetActivePageIndex(0);
    std::vector<int> changes;
    pages->OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, pages);
        changes.push_back(pages->ActivePageIndex());
    };
    pages->UserSelectTab(2);
    pages->UserSelectTab(2);
    pages->SetActivePageIndex(1); // code: no event
    pages->UserSelectTab(0);
    EXPECT_EQ(changes, (std::vector<int>{2, 0}));
    EXPECT_EQ(Shown(), (std::vector<bool>{true, false, false}));
}

TEST_F(PageControlTest, UserCannotSelectATabThatIsNotThere) {
    pages->SetActivePageIndex(1);
    int changes = 0;
    pages->OnChange = [&](TObject*) { ++changes; };
    for (int index : {-1, 3, 42})
        pages->UserSelectTab(index);
    pages->SetEnabled(false);
    pages->UserSelectTab(0);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(pages->ActivePage(), sheets[1]);
    EXPECT_EQ(Shown(), (std::vector<bool>{false, true, false}));
}

TEST_F(PageControlTest, SheetThatLeavesIsNoLongerAPage) {
    pages->SetActivePage(sheets[2]);
    TPanel elsewhere(nullptr);
    sheets[0]->SetParent(&elsewhere);
    EXPECT_EQ(sheets[0]->PageControl(), nullptr);
    EXPECT_EQ(sheets[0]->PageIndex(), -1);
    ASSERT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage(), sheets[2]);
    EXPECT_EQ(pages->ActivePageIndex(), 1);

    delete sheets[2];
    EXPECT_EQ(pages->PageCount(), 1);
    EXPECT_EQ(pages->ActivePage(), nullptr);

    // Moved to another page control, a sheet becomes its last page.
    auto* other = new TPageControl(&owner);
    auto* first = new TTabSheet(&owner);
    first->SetParent(other);
    sheets[1]->SetPageControl(other);
    EXPECT_EQ(pages->PageCount(), 0);
    EXPECT_EQ(other->Page(1), sheets[1]);
    EXPECT_EQ(sheets[1]->Parent(), other);
}

TEST(PageControlOwnershipTest, SheetsMayOutliveTheirPageControl) {
    TComponent owner(nullptr);
    // Sheets created before the page control go after it: the newest goes first.
    auto* sheet = new TTabSheet(&owner);
    auto* pages = new TPageControl(&owner);
    sheet->SetPageControl(pages);
    delete pages;
    EXPECT_EQ(sheet->PageControl(), nullptr);
    EXPECT_EQ(sheet->Parent(), nullptr);
}

TEST_F(PageControlTest, NextPageWrapsRoundAtEitherEndAsIfTheUserPickedTheTab) {
    struct Case {
        int from;
        bool forward;
        int to;
    };
    for (Case c : {Case{0, true, 1}, Case{1, true, 2}, Case{2, true, 0}, Case{2, false, 1},
                   Case{0, false, 2}, Case{-1, true, 0}, Case{-1, false, 2}}) {
        SCOPED_TRACE(std::to_string(c.from) + (c.forward ? " forward" : " back"));
        pages->SetActivePageIndex(c.from);
        std::vector<int> changes;
        pages->OnChange = [&](TObject* sender) {
            EXPECT_EQ(sender, pages);
            changes.push_back(pages->ActivePageIndex());
        };
        EXPECT_TRUE(pages->UserSelectNextPage(c.forward));
        EXPECT_EQ(changes, (std::vector<int>{c.to}));
        EXPECT_EQ(Shown()[c.to], true);
    }
}

TEST_F(PageControlTest, NextPageDoesNothingWithoutAnotherPageToShowOrWhenOutOfReach) {
    int changes = 0;
    pages->OnChange = [&](TObject*) { ++changes; };
    pages->SetActivePageIndex(1);
    pages->SetEnabled(false);
    EXPECT_FALSE(pages->UserSelectNextPage(true));
    EXPECT_EQ(pages->ActivePageIndex(), 1);

    TPageControl single(nullptr);
    TTabSheet only(nullptr);
    only.SetPageControl(&single);
    single.SetActivePageIndex(0);
    single.OnChange = pages->OnChange;
    EXPECT_FALSE(single.UserSelectNextPage(true));
    EXPECT_FALSE(single.UserSelectNextPage(false));
    EXPECT_EQ(single.ActivePageIndex(), 0);
    EXPECT_FALSE(TPageControl(nullptr).UserSelectNextPage(true));
    EXPECT_EQ(changes, 0);
}

// A form with a page control whose first sheet holds another page control, and an edit
// outside both.
class PageControlToTurnTest : public ::testing::Test {
protected:
    template <class T> T* Place(TWinControl* parent) {
        auto* control = new T(form);
        control->SetParent(parent);
        return control;
    }

    FakePlatform platform;
    TApplication app{platform.Services()};
    TForm* form = app.CreateForm<TForm>();
    TEdit* outside = Place<TEdit>(form);
    TPageControl* hidden = Place<TPageControl>(form);
    TPageControl* outer = Place<TPageControl>(form);
    TTabSheet* outerSheet = Place<TTabSheet>(outer);
    TPageControl* inner = Place<TPageControl>(outerSheet);
    TTabSheet* innerSheet = Place<TTabSheet>(inner);
    TPanel* group = Place<TPanel>(innerSheet);
    TEdit* deep = Place<TEdit>(group);
    TEdit* onOuter = Place<TEdit>(outerSheet);
};

TEST_F(PageControlToTurnTest, IsTheInnermostAroundTheFocusElseTheFirstVisible) {
    outer->SetActivePage(outerSheet);
    inner->SetActivePage(innerSheet);
    hidden->Hide();

    deep->SetFocus();
    EXPECT_EQ(PageControlToTurn(*form), inner);
    onOuter->SetFocus();
    EXPECT_EQ(PageControlToTurn(*form), outer);
    inner->SetFocus();
    EXPECT_EQ(PageControlToTurn(*form), inner);
    outside->SetFocus();
    EXPECT_EQ(PageControlToTurn(*form), outer);
    form->FocusControl(nullptr);
    EXPECT_EQ(PageControlToTurn(*form), outer);

    outer->Hide();
    EXPECT_EQ(PageControlToTurn(*form), nullptr);
}
