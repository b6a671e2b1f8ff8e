// digit-product-full: for how many choices of five different digits
// a b c d e, each 1 to 9, is ab × cde = adb × ce (as two- and three-digit
// numbers)?  Tries all 9^5 choices, the identity first and then whether the
// digits differ.
#include <cerrno>
#include <cstdio>
#include <cstring>

int main()
{
	int count = 0;

	for (int a = 1; a <= 9; ++a)
	for (int b = 1; b <= 9; ++b)
	for (int c = 1; c <= 9; ++c)
	for (int d = 1; d <= 9; ++d)
	for (int e = 1; e <= 9; ++e) {
		int ab = 10 * a + b;
		int cde = 100 * c + 10 * d + e;
		int adb = 100 * a + 10 * d + b;
		int ce = 10 * c + e;
		// Products stay below 99 × 999.
		if (ab * cde != adb * ce)
			continue;
		// 1007 choices satisfy the identity; those repeating a digit do not count.
		if (a == b || a == c || a == d || a == e || b == c ||
		    b == d || b == e || c == d || c == e || d == e)
			continue;
		++count;
	}

	std::printf("%d", count);

	if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
		std::fprintf(stderr, "digit-product-full: write error: %s\n", std::strerror(errno));
		return 1;
	}
	return 0;
}
