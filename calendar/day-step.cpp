// day-step: the date 2770 days after 15 December 1791, found one day at a
// time; day 5343 + 2770 = 8113 of the count in which 30 April 1777 is day 1.
#include <cerrno>
#include <cstdio>
#include <cstring>

// Days of February in year (Gregorian), 28 or 29; any sign of year.
static int ifleapyear(int year)
{
	return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 ? 29 : 28;
}

int main()
{
	// Entry m - 1 is the length of month m.  February's is set on entering
	// each year, so it is 29 (for 1792) before it is first read.
	int length[12] = {31, 0, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
	int year = 1791;
	int month = 12; // 1..12
	int day = 15;   // 1..length[month - 1] after every step
	int steps = 2770;

	do {
		++day;
		if (day > length[month - 1]) {
			++month;
			day = 1;
		}
		if (month > 12) {
			++year;
			length[1] = ifleapyear(year);
			month = 1;
		}
		--steps;
	} while (steps != 0);

	std::printf("%d-%d-%d \n", year, month, day);

	if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
		std::fprintf(stderr, "day-step: write error: %s\n", std::strerror(errno));
		return 1;
	}
	return 0;
}
