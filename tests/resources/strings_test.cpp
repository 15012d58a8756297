// The string and accelerator tables, found by number.
#include <gtest/gtest.h>

#include <string>

#include "platform/messages.h"
#include "platform/resource_api.h"
#include "resources/resource_ids.h"
#include "resources/resource_table.h"

namespace {

TEST(Strings, TitleAndClassNameByNumber) {
    ASSERT_NE(resources::findString(IDS_TITLE), nullptr);
    ASSERT_NE(resources::findString(IDS_CLASS_NAME), nullptr);
    EXPECT_EQ(std::u16string(resources::findString(1)), u"Дурак");
    EXPECT_EQ(std::u16string(resources::findString(3)), u"ДУРАК");
}

TEST(Strings, UnknownNumbersGiveNull) {
    for (int id : {0, 2, 4, -1, 101, 40012}) {
        EXPECT_EQ(resources::findString(id), nullptr) << id;
    }
}

TEST(Accelerators, MainTableHoldsTheThreeAltKeys) {
    int count = -1;
    const ACCEL* table = resources::findAccelerators(IDA_MAIN, &count);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(count, 7); // the Alt keys first, then the keyboard play commands
    // Alt+/ is a typed character, the other two are keys
    EXPECT_EQ(table[0].fVirt, FALT);
    EXPECT_EQ(table[0].key, u'/');
    EXPECT_EQ(table[0].cmd, IDM_ABOUT);
    EXPECT_EQ(table[1].fVirt, FVIRTKEY | FALT);
    EXPECT_EQ(table[1].key, u'N');
    EXPECT_EQ(table[1].cmd, IDM_NEW_GAME);
    EXPECT_EQ(table[2].fVirt, FVIRTKEY | FALT);
    EXPECT_EQ(table[2].key, VK_F4);
    EXPECT_EQ(table[2].cmd, IDM_EXIT);
}

TEST(Accelerators, UnknownTableGivesNullAndNoEntries) {
    int count = 7;
    EXPECT_EQ(resources::findAccelerators(1, &count), nullptr);
    EXPECT_EQ(count, 0);
    count = 7;
    EXPECT_EQ(resources::findAccelerators(-3, &count), nullptr);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(resources::findAccelerators(4, nullptr), nullptr);
}

TEST(Accelerators, CountIsOptional) {
    EXPECT_EQ(resources::findAccelerators(IDA_MAIN, nullptr),
              resources::findAccelerators(IDA_MAIN, nullptr));
    EXPECT_NE(resources::findAccelerators(IDA_MAIN, nullptr), nullptr);
}

} // namespace
