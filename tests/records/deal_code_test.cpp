// SPDX-License-Identifier: MIT
// Deal codes: every deal that a code can hold reads back as itself, and a
// code with one character changed, or two neighbours swapped, is refused.
#include <gtest/gtest.h>

#include "records/deal_code.h"

namespace {

const DealCode deals[] = {
    {0, 1, 0, -1},    {5, dealSeedCount - 1, 0, 1}, {2, 4187839, 137, 0},
    {4, 0, 9999, -1}, {1, 2500000, 11000000, 1},    {3, 77, dealStepLimit(), 0},
};

TEST(DealCode, EveryDealReadsBackAsItself) {
    for (const DealCode& deal : deals) {
        const std::string code = encodeDealCode(deal);
        ASSERT_FALSE(code.empty());
        EXPECT_LE(code.size(), 12u) << code;
        EXPECT_EQ(code[4], '-') << code;
        DealCode read;
        ASSERT_EQ(decodeDealCode(code, read), "") << code;
        EXPECT_EQ(read.variant, deal.variant) << code;
        EXPECT_EQ(read.seed, deal.seed) << code;
        EXPECT_EQ(read.steps, deal.steps) << code;
        EXPECT_EQ(read.lastWinner, deal.lastWinner) << code;
    }
}

TEST(DealCode, ReadsAsAPersonTypesIt) {
    const std::string code = encodeDealCode(deals[2]);
    std::string typed;
    for (char c : code) {
        if (c != '-') {
            typed += static_cast<char>(c == '1' ? 'l' : c == '0' ? 'o' : std::tolower(c));
        }
    }
    DealCode read;
    ASSERT_EQ(decodeDealCode(typed, read), "") << typed;
    EXPECT_EQ(read.steps, deals[2].steps);
}

TEST(DealCode, StepsBeyondTheLimitHaveNoCode) {
    EXPECT_EQ(encodeDealCode(DealCode{0, 1, dealStepLimit() + 1, -1}), "");
    EXPECT_EQ(encodeDealCode(DealCode{6, 1, 0, -1}), "");
}

TEST(DealCode, EveryWrongCharacterIsRefused) {
    constexpr char alphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
    for (const DealCode& deal : deals) {
        const std::string code = encodeDealCode(deal);
        for (size_t at = 0; at < code.size(); ++at) {
            for (char c : std::string(alphabet)) {
                if (code[at] == '-' || code[at] == c) {
                    continue;
                }
                std::string typo = code;
                typo[at] = c;
                DealCode read;
                EXPECT_NE(decodeDealCode(typo, read), "") << code << " read as " << typo;
            }
        }
    }
}

TEST(DealCode, MalformedCodesAreRefused) {
    DealCode read;
    for (const char* text : {"", "ABCD", "ABCD-EFGH-JKMN", "K7Q2-9XMU3AB", "K7Q2_9XMD3AB"}) {
        EXPECT_NE(decodeDealCode(text, read), "") << text;
    }
}

} // namespace
