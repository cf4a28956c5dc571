#include "platform/control.h"
#include "platform/edit.h"
#include "platform/label.h"
#include "platform/panel.h"

#include <gtest/gtest.h>

TEST(AnchorsTest, ChildFollowsTheEdgesItIsAnchoredTo) {
    struct Case {
        TAnchors anchors;
        TRect after; // the child at (10, 20) 100 x 30 once the parent grew by 100 x 50
    } cases[] = {
        {akLeft | akTop, {10, 20, 110, 50}},
        {akRight | akTop, {110, 20, 210, 50}},
        {akLeft | akRight | akTop, {10, 20, 210, 50}},
        {akLeft | akBottom, {10, 70, 110, 100}},
        {akLeft | akTop | akBottom, {10, 20, 110, 100}},
        {akRight | akBottom, {110, 70, 210, 100}},
        {akLeft | akTop | akRight | akBottom, {10, 20, 210, 100}},
    };
    for (const auto& c : cases) {
        TPanel parent(nullptr);
        parent.SetBounds(0, 0, 400, 300);
        TLabel child(nullptr);
        child.SetParent(&parent);
        child.SetBounds(10, 20, 100, 30);
        child.SetAnchors(c.anchors);

        parent.SetBounds(0, 0, 500, 350);
        EXPECT_EQ(child.BoundsRect(), c.after) << "anchors " << c.anchors;

        // Shrinking back undoes it exactly.
        parent.SetBounds(0, 0, 400, 300);
        EXPECT_EQ(child.BoundsRect(), (TRect{10, 20, 110, 50})) << "anchors " << c.anchors;
    }
}

TEST(AnchorsTest, DefaultIsLeftTopAndMovingTheParentMovesNothingInside) {
    TPanel parent(nullptr);
    parent.SetBounds(0, 0, 400, 300);
    TEdit child(nullptr);
    EXPECT_EQ(child.Anchors(), akLeft | akTop);
    child.SetParent(&parent);
    child.SetAnchors(akRight | akBottom);
    child.SetBounds(10, 20, 100, 30);

    parent.SetBounds(50, 60, 400, 300);
    EXPECT_EQ(child.BoundsRect(), (TRect{10, 20, 110, 50}));
}

TEST(AnchorsTest, StretchedContainerCarriesItsOwnAnchoredChildren) {
    TPanel form(nullptr);
    form.SetBounds(0, 0, 600, 400);
    TPanel row(nullptr);
    row.SetParent(&form);
    row.SetBounds(8, 8, 575, 17);
    row.SetAnchors(akLeft | akTop | akRight);
    TLabel caption(nullptr);
    caption.SetParent(&row);
    caption.SetBounds(0, 2, 126, 13);
    TEdit edit(nullptr);
    edit.SetParent(&row);
    edit.SetBounds(160, 0, 415, 17);
    edit.SetAnchors(akLeft | akTop | akRight);

    form.SetBounds(0, 0, 700, 450);
    EXPECT_EQ(row.BoundsRect(), (TRect{8, 8, 683, 25}));
    EXPECT_EQ(caption.BoundsRect(), (TRect{0, 2, 126, 15}));
    EXPECT_EQ(edit.BoundsRect(), (TRect{160, 0, 675, 17}));
}
