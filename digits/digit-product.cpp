// digit-product: for how many choices of five different digits a b c d e,
// each 1 to 9, is ab × cde = adb × ce (as two- and three-digit numbers)?
// Enumerates only choices without a repeated digit.
#include <cerrno>
#include <cstdio>
#include <cstring>

int main()
{
	int count = 0;

	// Each digit skips the values already taken, so only the 15120 choices
	// of five different digits reach the identity.
	for (int a = 1; a <= 9; ++a)
	for (int b = 1; b <= 9; ++b) {
		if (b == a)
			continue;
		for (int c = 1; c <= 9; ++c) {
			if (c == b || c == a)
				continue;
			for (int d = 1; d <= 9; ++d) {
				if (d == c || d == b || d == a)
					continue;
				for (int e = 1; e <= 9; ++e) {
					if (e == d || e == c || e == b || e == a)
						continue;
					// Products stay below 99 × 999.
					if ((10 * a + b) * (100 * c + 10 * d + e) ==
					    (100 * a + 10 * d + b) * (10 * c + e))
						++count;
				}
			}
		}
	}

	std::printf("%d", count);

	if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
		std::fprintf(stderr, "digit-product: write error: %s\n", std::strerror(errno));
		return 1;
	}
	return 0;
}
