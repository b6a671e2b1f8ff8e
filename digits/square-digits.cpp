// square-digits: the six-digit numbers with six different digits whose
// square contains none of those digits.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>

// s becomes the decimal text of n.
static void i2s(long long n, std::string &s)
{
	std::stringstream ss;
	ss << n;
	ss >> s;
}

// True when no character of x's decimal text occurs in y's.
static bool check(long long x, long long y)
{
	std::string a, b;
	i2s(x, a);
	i2s(y, b);
	for (std::size_t i = 0; i < a.size(); ++i)
		if (b.find(a[i]) != std::string::npos)
			return false;
	return true;
}

int main()
{
	// Six nested digits, each skipping the values already taken, give every
	// number with six different digits once, in ascending order.
	for (int d1 = 1; d1 <= 9; ++d1)
	for (int d2 = 0; d2 <= 9; ++d2) {
		if (d2 == d1)
			continue;
		for (int d3 = 0; d3 <= 9; ++d3) {
			if (d3 == d2 || d3 == d1)
				continue;
			for (int d4 = 0; d4 <= 9; ++d4) {
				if (d4 == d3 || d4 == d2 || d4 == d1)
					continue;
				for (int d5 = 0; d5 <= 9; ++d5) {
					if (d5 == d4 || d5 == d3 || d5 == d2 || d5 == d1)
						continue;
					for (int d6 = 0; d6 <= 9; ++d6) {
						if (d6 == d5 || d6 == d4 || d6 == d3 || d6 == d2 || d6 == d1)
							continue;
						long long n = 100000 * d1 + 10000 * d2 + 1000 * d3 +
						              100 * d4 + 10 * d5 + d6;
						// Every square here is past 32 bits: 102345² has 11 digits.
						long long square = n * n;
						if (check(n, square))
							std::cout << n << std::endl;
					}
				}
			}
		}
	}

	if (!std::cout.flush()) {
		std::fprintf(stderr, "square-digits: write error: %s\n", std::strerror(errno));
		return 1;
	}
	return 0;
}
