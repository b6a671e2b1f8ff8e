// price-tags: four-digit price tags hung upside down.  Lists each pair of a
// price whose tag reads 201 to 299 less upside down and a price whose tag
// reads 801 to 899 more, the two differences adding up to exactly 558.
// The lines are Chinese text in GBK.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

// One record for each four-digit price, so filling can never overrun.
// Zero at start: unfilled records have diff 0 and never make a pair.
static struct {
	int price;   // 1000..9999
	int flipped; // the price read upside down
	int diff;    // flipped - price: below 0 the shop loses, above it earns
} goods[9000];

// The price read upside down: digits in reverse order, 6 and 9 exchanged,
// 0 1 2 5 8 as themselves.  0 when the tag cannot be read: a 3, 4 or 7, or
// a last digit 0, which would lead the upside-down number.  A negative
// price, which no tag shows, gives its digits reversed with the sign kept,
// none of them turned or refused: -1961 gives -1691, -1234 gives -4321.
static int fanzhuan(int price)
{
	if (price % 10 == 0)
		return 0;
	int digit[4]; // digit[0] is the lowest
	for (int k = 0; k <= 3; ++k) {
		digit[k] = price % 10;
		if (digit[k] == 3 || digit[k] == 4 || digit[k] == 7)
			return 0;
		if (digit[k] == 6)
			digit[k] = 9;
		else if (digit[k] == 9)
			digit[k] = 6;
		price /= 10;
	}
	return digit[0] * 1000 + digit[1] * 100 + digit[2] * 10 + digit[3];
}

static void solve()
{
	// "赔200多的原价为": the true price of the one that loses 200-odd is;
	// "，赚八百多的原价为": , the true price of the one that earns 800-odd is.
	// GBK bytes, so that no locale or source encoding can change them.
	const char loss[] = "\xc5\xe2" "200" "\xb6\xe0\xb5\xc4\xd4\xad\xbc\xdb\xce\xaa";
	const char gain[] = "\xa3\xac\xd7\xac\xb0\xcb\xb0\xd9\xb6\xe0\xb5\xc4\xd4\xad\xbc\xdb\xce\xaa";

	int n = 0;
	for (int i = 1000; i <= 9999; ++i) {
		int r = fanzhuan(i);
		if (r == 0)
			continue;
		int d = r - i;
		if (d < -299 || (d >= -200 && d <= 800) || d > 899)
			continue;
		goods[n].price = i;
		goods[n].flipped = r;
		goods[n].diff = d;
		++n;
	}

	for (int p = 0; p < 9000; ++p) {
		if (goods[p].diff > 800)
			continue;
		for (int q = 0; q < 9000; ++q) {
			if (goods[q].diff < -200)
				continue;
			if (goods[p].diff + goods[q].diff == 558)
				std::cout << loss << goods[p].price << gain << goods[q].price << std::endl;
		}
	}
}

int main()
{
	solve();

	if (!std::cout.flush()) {
		std::fprintf(stderr, "price-tags: write error: %s\n", std::strerror(errno));
		return 1;
	}
	return 0;
}
