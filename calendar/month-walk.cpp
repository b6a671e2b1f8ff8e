// month-walk: in a running count of days in which 15 December 1791 is
// day 5343, which date is day 8113?  Walks whole months from 1 January 1792
// and prints the date in Chinese, as year 年 month 月 day 日, in UTF-8.
#include <cerrno>
#include <cstdio>
#include <cstring>

// Days of February in year (Gregorian), 28 or 29; any sign of year.
static int rn(int year)
{
	return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 ? 29 : 28;
}

int main()
{
	// Lengths of the months, January first; February's comes from rn.
	const int length[12] = {31, 0, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
	const int target = 8113;

	// 15 December 1791 is day 5343; 1 January 1792, 17 days on, is day 5360.
	// From here on daynum is the number of the first day of the current month.
	int year = 1791 + 1;
	int month = 1;
	int daynum = 5343 + 17;
	auto days = [&](int m) { return m == 2 ? rn(year) : length[m - 1]; };

	// Eight passes reach the target's year (1799).  A pass walks month by
	// month, from the current one, until the month now current holds the
	// target or the year has ended.
	for (int pass = 1; pass <= 8; ++pass) {
		for (;;) {
			daynum += days(month);
			if (month == 12) {
				month = 1;
				++year;
				break;
			}
			++month;
			if (target - daynum < days(month))
				break;
		}
	}
	int day = 1 + (target - daynum);

	// 年 e5 b9 b4, 月 e6 9c 88, 日 e6 97 a5: spelled as bytes so that
	// neither the source's encoding nor the compiler's can change them.
	std::printf("%d\xe5\xb9\xb4%d\xe6\x9c\x88%d\xe6\x97\xa5", year, month, day);

	if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
		std::fprintf(stderr, "month-walk: write error: %s\n", std::strerror(errno));
		return 1;
	}
	return 0;
}
