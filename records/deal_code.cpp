// SPDX-License-Identifier: MIT
#include "records/deal_code.h"

#include <vector>

namespace {

// Crockford's alphabet: no I, L, O or U, which are easily misread.
constexpr char alphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr uint64_t base = 32;
constexpr size_t longestData = 10;

int digitOf(char c) {
    if (c >= 'a' && c <= 'z') {
        c = static_cast<char>(c - 'a' + 'A');
    }
    if (c == 'I' || c == 'L') {
        c = '1';
    }
    if (c == 'O') {
        c = '0';
    }
    for (int i = 0; i < static_cast<int>(base); ++i) {
        if (alphabet[i] == c) {
            return i;
        }
    }
    return -1;
}

// Luhn's check over base 32: every single wrong character and nearly every
// swap of two neighbours changes the sum.
int checkDigitFor(const std::vector<int>& digits) {
    int factor = 2;
    int sum = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        int addend = factor * *it;
        factor = factor == 2 ? 1 : 2;
        sum += addend / static_cast<int>(base) + addend % static_cast<int>(base);
    }
    return (static_cast<int>(base) - sum % static_cast<int>(base)) % static_cast<int>(base);
}

uint64_t maxValue() {
    uint64_t value = 1;
    for (size_t i = 0; i < longestData; ++i) {
        value *= base;
    }
    return value;
}

constexpr uint64_t perStep = 3ULL * 6ULL * dealSeedCount;

// The packed number is mixed over all fifty bits, so that codes of
// neighbouring deals do not share their first characters and every code is
// as long as every other.
constexpr uint64_t mask = (uint64_t{1} << (5 * longestData)) - 1;
constexpr uint64_t mixFactor = 0x2545F4914F6CDD1DULL & mask; // odd
constexpr uint64_t mixOffset = 0x1D8E4E27C47D1ULL & mask;

uint64_t inverseFactor() {
    uint64_t x = mixFactor; // Newton's step doubles the correct low bits
    for (int i = 0; i < 6; ++i) {
        x *= 2 - mixFactor * x;
    }
    return x & mask;
}

uint64_t mix(uint64_t value) {
    return (value * mixFactor + mixOffset) & mask;
}

uint64_t unmix(uint64_t value) {
    return ((value - mixOffset) * inverseFactor()) & mask;
}

} // namespace

uint64_t dealStepLimit() {
    return maxValue() / perStep - 1;
}

std::string encodeDealCode(const DealCode& deal) {
    if (deal.steps > dealStepLimit() || deal.variant < 0 || deal.variant > 5 || deal.seed < 0 ||
        deal.seed >= dealSeedCount || deal.lastWinner < -1 || deal.lastWinner > 1) {
        return {};
    }
    uint64_t value = ((deal.steps * 3 + static_cast<uint64_t>(deal.lastWinner + 1)) * 6 +
                      static_cast<uint64_t>(deal.variant)) *
                         dealSeedCount +
                     static_cast<uint64_t>(deal.seed);
    value = mix(value);
    std::vector<int> digits;
    while (digits.size() < longestData) {
        digits.insert(digits.begin(), static_cast<int>(value % base));
        value /= base;
    }
    digits.push_back(checkDigitFor(digits));
    std::string code;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i == 4) {
            code += '-';
        }
        code += alphabet[digits[i]];
    }
    return code;
}

std::string decodeDealCode(std::string_view text, DealCode& deal) {
    std::vector<int> digits;
    for (char c : text) {
        if (c == '-' || c == ' ') {
            continue;
        }
        int digit = digitOf(c);
        if (digit < 0) {
            return std::string("the character '") + c + "' is not used in deal numbers";
        }
        digits.push_back(digit);
    }
    if (digits.size() != longestData + 1) {
        return "a deal number has 11 letters and digits";
    }
    const int check = digits.back();
    digits.pop_back();
    if (checkDigitFor(digits) != check) {
        return "the deal number is mistyped (its check character does not match)";
    }
    uint64_t value = 0;
    for (int digit : digits) {
        value = value * base + static_cast<uint64_t>(digit);
    }
    value = unmix(value);
    if (value / perStep > dealStepLimit()) {
        return "there is no deal of that number";
    }
    deal.seed = static_cast<int32_t>(value % dealSeedCount);
    value /= dealSeedCount;
    deal.variant = static_cast<int32_t>(value % 6);
    value /= 6;
    deal.lastWinner = static_cast<int32_t>(value % 3) - 1;
    deal.steps = value / 3;
    return {};
}
