// The digit searches against searches of their own: digit sets as bit
// masks, and choices of digits drawn with and without repetition.
#include "run.h"

#include <gtest/gtest.h>

#include <climits>

#define main square_digits_main
#include "digits/square-digits.cpp"
#undef main

namespace {

TEST(I2s, ReplacesTheStringWithPlainDecimal)
{
	const struct {
		long long n;
		const char *text;
	} cases[] = {
		{0, "0"}, {7, "7"}, {-42, "-42"}, {975460423716, "975460423716"},
		{LLONG_MIN, "-9223372036854775808"},
	};
	for (const auto &c : cases) {
		std::string s = "former content";
		i2s(c.n, s);
		EXPECT_EQ(s, c.text);
	}
}

TEST(Check, TellsWhetherTwoNumbersShareNoDigit)
{
	const struct {
		long long x, y;
		bool disjoint;
	} cases[] = {
		{203879, 41566646641, true}, {639172, 408540845584, true},
		{102345, 10474499025, false}, {0, 0, false}, {987654, 987654, false},
		{11, 4, true}, {-1, -2, false}, {5, -6, true}, {12, 30, true},
	};
	for (const auto &c : cases) {
		EXPECT_EQ(check(c.x, c.y), c.disjoint) << c.x << " " << c.y;
		EXPECT_EQ(check(c.y, c.x), c.disjoint) << c.y << " " << c.x;
	}
}

unsigned digit_set(long long n)
{
	unsigned set = 0;
	for (; n > 0; n /= 10)
		set |= 1u << (n % 10);
	return set;
}

TEST(SquareDigits, ListsWhatADigitSetSearchFinds)
{
	std::string expected;
	for (long long n = 100000; n <= 999999; ++n)
		if (__builtin_popcount(digit_set(n)) == 6 && (digit_set(n) & digit_set(n * n)) == 0)
			expected += std::to_string(n) + "\n";
	EXPECT_EQ(run("square-digits").out, expected);
}

bool identity(int a, int b, int c, int d, int e)
{
	return (10 * a + b) * (100 * c + 10 * d + e) == (100 * a + 10 * d + b) * (10 * c + e);
}

// Counts the identity's solutions over digits 1-9 drawn from `unused`;
// drawn digits leave the set only when `distinct`.
int solutions(int digits[5], int depth, unsigned unused, bool distinct)
{
	if (depth == 5)
		return identity(digits[0], digits[1], digits[2], digits[3], digits[4]);
	int count = 0;
	for (int v = 1; v <= 9; ++v) {
		if (!(unused & 1u << v))
			continue;
		digits[depth] = v;
		count += solutions(digits, depth + 1, distinct ? unused & ~(1u << v) : unused, distinct);
	}
	return count;
}

TEST(DigitProduct, BothProgramsCountOnlySolutionsWithFiveDifferentDigits)
{
	int digits[5];
	const unsigned one_to_nine = 0x3fe;
	int any = solutions(digits, 0, one_to_nine, false);
	int distinct = solutions(digits, 0, one_to_nine, true);
	EXPECT_EQ(any, 1007);
	EXPECT_EQ(distinct, 142);
	EXPECT_EQ(run("digit-product").out, std::to_string(distinct));
	EXPECT_EQ(run("digit-product-full").out, std::to_string(distinct));
}

} // namespace
