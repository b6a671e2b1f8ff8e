// The two price-tag programs against the puzzle read afresh: a tag turned
// upside down shows its decimal text reversed, each digit turned over.
#include "gbk.h"
#include "run.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <algorithm>
#include <optional>
#include <sstream>
#include <vector>

#define main price_tags_main
#include "price_tags/price-tags.cpp"
#undef main
#define main price_tag_first_main
#include "price_tags/price-tag-first.cpp"
#undef main

namespace {

// price's tag read upside down, where the digit from[k] turns into to[k] and
// any other digit cannot be read; nothing when a digit cannot be read or
// the reading would start with 0.
std::optional<int> upside_down(int price, const std::string &from, const std::string &to)
{
	std::string text = std::to_string(price);
	std::reverse(text.begin(), text.end());
	for (char &c : text) {
		auto k = from.find(c);
		if (k == std::string::npos)
			return std::nullopt;
		c = to[k];
	}
	if (text[0] == '0')
		return std::nullopt;
	return std::stoi(text);
}

// price-tags turns 6 and 9; price-tag-first also exchanges 2 and 5.
std::optional<int> fanzhuan_reading(int p) { return upside_down(p, "0125689", "0125986"); }
std::optional<int> turn_reading(int p) { return upside_down(p, "0125689", "0152986"); }

bool loses(int diff) { return diff >= -299 && diff <= -201; }
bool earns(int diff) { return diff >= 801 && diff <= 899; }

TEST(Fanzhuan, ReadsATagUpsideDownOrGivesZero)
{
	const struct {
		int price, flipped;
	} cases[] = {
		{1000, 0}, {1001, 1001}, {9999, 6666}, {6666, 9999}, {2552, 2552},
		{1234, 0}, {3001, 0}, {1958, 8561}, {9088, 8806}, {1061, 1901},
		// Below 1000 missing digits count as 0; above, only four are read.
		{1, 1000}, {12, 2100}, {12581, 1852},
		// A negative price keeps its sign, and no digit of it is turned.
		{-1, -1000}, {-10, 0}, {-1961, -1691}, {-1234, -4321},
	};
	for (const auto &c : cases)
		EXPECT_EQ(fanzhuan(c.price), c.flipped) << c.price;
	for (int p = 1000; p <= 9999; ++p)
		ASSERT_EQ(fanzhuan(p), fanzhuan_reading(p).value_or(0)) << p;
}

TEST(Turn, GivesTheUpsideDownDifferenceOrMinusOne)
{
	const struct {
		int price, diff;
	} cases[] = {
		{1234, -1}, {1001, 0}, {2005, 0}, {1958, 6303}, {9999, -3333},
		{6666, 3333}, {2552, 2673}, {5225, -2673},
		// A last digit 0 is read; the caller skips such prices.
		{1000, -999}, {1080, -279}, {1160, -249},
		// A negative price has digits below 0, which no tag can show.
		{-1, -1}, {-10, -1}, {-1000, -1}, {-9999, -1},
	};
	for (const auto &c : cases)
		EXPECT_EQ(turn(c.price), c.diff) << c.price;
	for (int p = 1001; p <= 9999; ++p) {
		if (p % 10 == 0)
			continue;
		ASSERT_EQ(turn(p), turn_reading(p) ? *turn_reading(p) - p : -1) << p;
	}
}

struct Good {
	int price, flipped, diff;
	bool operator==(const Good &o) const
	{
		return price == o.price && flipped == o.flipped && diff == o.diff;
	}
};

// Keeps the losing and earning prices in goods, in order of price, and
// prints every pair whose differences add up to 558.
TEST(Solve, FillsGoodsAndPairsAsTheDigitRulesSay)
{
	std::vector<Good> kept;
	for (int p = 1000; p <= 9999; ++p)
		if (auto r = fanzhuan_reading(p); r && (loses(*r - p) || earns(*r - p)))
			kept.push_back({p, *r, *r - p});
	std::string lines;
	for (const Good &l : kept)
		for (const Good &e : kept)
			if (loses(l.diff) && earns(e.diff) && l.diff + e.diff == 558)
				lines += gbk_loss + std::to_string(l.price) + gbk_gain +
				         std::to_string(e.price) + "\n";

	std::ostringstream out;
	auto *saved = std::cout.rdbuf(out.rdbuf());
	solve();
	std::cout.rdbuf(saved);

	ASSERT_EQ(kept.size(), 36u);
	for (std::size_t i = 0; i < 9000; ++i) {
		Good g{goods[i].price, goods[i].flipped, goods[i].diff};
		EXPECT_EQ(g, i < kept.size() ? kept[i] : Good{}) << "record " << i;
	}
	EXPECT_EQ(out.str(), lines);
}

std::string gbk_to_utf8(std::string in)
{
	iconv_t cd = iconv_open("UTF-8", "GBK");
	if (cd == reinterpret_cast<iconv_t>(-1))
		return "(no GBK converter)";
	std::string out(in.size() * 2, '\0');
	char *src = in.data(), *dst = out.data();
	size_t left = in.size(), room = out.size();
	size_t done = iconv(cd, &src, &left, &dst, &room);
	iconv_close(cd);
	if (done == static_cast<size_t>(-1))
		return "(not GBK)";
	out.resize(out.size() - room);
	return out;
}

TEST(PriceTags, LinesReadAsChineseInGbk)
{
	std::string first = run("price-tags").out.substr(0, 42);
	EXPECT_EQ(gbk_to_utf8(first), "赔200多的原价为9088，赚八百多的原价为1061\n");
}

TEST(PriceTagFirst, PrintsTheFirstLosingPriceThatHasAPartner)
{
	std::string first;
	for (int i = 1001; i <= 9999 && first.empty(); ++i) {
		auto r = turn_reading(i);
		if (!r || i % 10 == 0 || !loses(*r - i))
			continue;
		for (int j = 1000; j <= 9999 && first.empty(); ++j)
			if (auto s = turn_reading(j); s && earns(*s - j) && *r - i + *s - j == 558)
				first = std::to_string(i);
	}
	EXPECT_EQ(run("price-tag-first").out, first);
}

} // namespace
