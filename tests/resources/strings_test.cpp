// SPDX-License-Identifier: MIT
// The string and accelerator tables, found by number. What the keys do is
// proven by the start-up runs; here the lookups and their misses.
#include <gtest/gtest.h>

#include <string>

#include "platform/resource_api.h"
#include "resources/computer_rules.h"
#include "resources/resource_ids.h"
#include "resources/resource_table.h"

namespace {

TEST(Strings, FoundByNumberOnly) {
    EXPECT_EQ(std::u16string(resources::findString(IDS_TITLE)), u"Дурак");
    EXPECT_EQ(std::u16string(resources::findString(IDS_CLASS_NAME)), u"ДУРАК");
    for (int id : {0, 2, 4, -1, 101, 40012}) {
        EXPECT_EQ(resources::findString(id), nullptr) << id;
    }
}

// Every rule of the computer has its sentence in both languages; no text
// for what is no rule.
TEST(ComputerRules, EachRuleIsSaidInBothLanguages) {
    using namespace resources;
    for (int rule = RULE_NONE + 1; rule < RULE_COUNT; ++rule) {
        for (Language language : {Language::Russian, Language::English}) {
            ASSERT_NE(computerRuleText(rule, language), nullptr) << rule;
            EXPECT_GT(std::u16string(computerRuleText(rule, language)).size(), 20u) << rule;
        }
    }
    for (int rule : {RULE_NONE, RULE_COUNT}) {
        EXPECT_EQ(computerRuleText(rule, Language::English), nullptr) << rule;
    }
    EXPECT_EQ(computerRuleText(RULE_ADD, static_cast<Language>(2)), nullptr);
}

// What the Alt keys and the play keys do, the start-up and keyboard runs show.
TEST(Accelerators, OnlyTheMainTableExists) {
    int count = -1;
    const ACCEL* table = resources::findAccelerators(IDA_MAIN, &count);
    ASSERT_EQ(count, 9); // the Alt keys first, then the keyboard play commands, undo and redo
    ASSERT_EQ(resources::findAccelerators(IDA_MAIN, nullptr), table);
    for (int id : {1, -3}) {
        count = 7;
        EXPECT_EQ(resources::findAccelerators(id, &count), nullptr) << id;
        EXPECT_EQ(count, 0) << id;
    }
    EXPECT_EQ(resources::findAccelerators(4, nullptr), nullptr);
}

} // namespace
