// price-tag-first: the smallest four-digit price whose tag, hung upside
// down, reads 201 to 299 less, and for which some price reads 801 to 899
// more upside down, the two differences adding up to exactly 558.
#include <cerrno>
#include <cstdio>
#include <cstring>

// The upside-down value of price minus price, or -1 when the tag cannot be
// read.  Digits come in reverse order, 2 and 5 exchanged, 6 and 9 exchanged,
// 0 1 8 as themselves.  A last digit 0 is the caller's concern.
static int turn(int price)
{
	// upside[d]: digit d turned over; -1 for one that reads as no digit.
	const int upside[10] = {0, 1, 5, -1, -1, 2, 9, -1, 8, 6};
	int rest = price;
	int valid = 1;
	int result = -1;
	int digit[4]; // digit[0] is the lowest

	for (int k = 0; k <= 3; ++k) {
		digit[k] = rest % 10; // below 0 only for a negative price
		rest /= 10;
		if (digit[k] < 0 || upside[digit[k]] < 0)
			valid = 0;
		else
			digit[k] = upside[digit[k]];
	}
	if (valid)
		result = digit[0] * 1000 + digit[1] * 100 + digit[2] * 10 + digit[3] - price;
	return result;
}

int main()
{
	for (int i = 1000; i <= 9999; ++i) {
		if (i % 10 == 0)
			continue;
		int a = turn(i);
		if (a >= -200 || a < -299)
			continue;
		for (int j = 1000; j <= 9999; ++j) {
			int b = turn(j);
			if (b <= 800 || b > 899)
				continue;
			if (a + b != 558)
				continue;
			std::printf("%d", i);
			if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
				std::fprintf(stderr, "price-tag-first: write error: %s\n", std::strerror(errno));
				return 1;
			}
			return 0;
		}
	}
	return 0;
}
