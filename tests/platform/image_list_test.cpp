#include "platform/image_list.h"
#include "tests/support/fake_platform.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TIcon MakeIcon(const char* source) {
    return TIcon(std::make_shared<FakeIconImage>(source));
}

} // namespace

TEST(ImageListTest, AddAndReplaceKeepTheirPlaces) {
    TImageList list(nullptr);
    TIcon a = MakeIcon("a"), b = MakeIcon("b"), c = MakeIcon("c");
    EXPECT_EQ(list.AddIcon(a), 0);
    EXPECT_EQ(list.AddIcon(b), 1);
    list.ReplaceIcon(0, c);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Icon(0), c);
    EXPECT_EQ(list.Icon(1), b);
    EXPECT_THROW(list.AddIcon(TIcon()), EInvalidOperation);
    EXPECT_THROW(list.Icon(2), EInvalidOperation);
}

TEST(ImageListTest, ReplacingWithNothingOrOutsideTheListRaises) {
    TImageList list(nullptr);
    TIcon icon = MakeIcon("a");
    list.AddIcon(icon);
    struct Case {
        int index;
        TIcon with;
    } cases[] = {{0, TIcon()}, {1, icon}, {-1, icon}};
    for (const auto& c : cases) {
        try {
            list.ReplaceIcon(c.index, c.with);
            ADD_FAILURE() << "no error for " << c.index;
        } catch (const EInvalidOperation& e) {
            EXPECT_STREQ(e.what(), "Unable to Replace Image");
        }
    }
    EXPECT_EQ(list.Icon(0), icon);
}
