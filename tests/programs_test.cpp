// Every program as a user meets it: the exact bytes it writes, its exit
// status, and what it does when its answer cannot be written.
#include "gbk.h"
#include "run.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstring>
#include <ostream>
#include <regex>
#include <vector>

namespace {

struct Answer {
	const char *name;
	std::string bytes;
};

void PrintTo(const Answer &a, std::ostream *os) { *os << a.name; }

// 9088 loses 282 upside down; each of these partners earns 840.
std::string price_tag_lines()
{
	std::string lines;
	for (const char *partner : {"1061", "2062", "5065", "6069", "8068", "9066"})
		lines += std::string(gbk_loss) + "9088" + gbk_gain + partner + "\n";
	return lines;
}

// Non-ASCII text is spelled in bytes: 年 e5 b9 b4, 月 e6 9c 88, 日 e6 97 a5.
const Answer answers[] = {
	{"month-walk", "1799\xe5\xb9\xb4" "7\xe6\x9c\x88" "16\xe6\x97\xa5"},
	{"day-step", "1799-7-16 \n"},
	{"day-step-padded", "1799-07-16"},
	{"price-tags", price_tag_lines()},
	{"price-tag-first", "9088"},
	{"square-digits", "203879\n639172\n"},
	{"digit-product", "142"},
	{"digit-product-full", "142"},
	{"grid-paths", "35"},
};


class Program : public testing::TestWithParam<Answer> {};

// Through a pipe, and into a regular file.
TEST_P(Program, WritesExactlyItsAnswerAndExitsZero)
{
	char file[] = "/tmp/reckonings-stdout.XXXXXX";
	int fd = mkstemp(file);
	ASSERT_TRUE(fd >= 0 && close(fd) == 0);
	Outcome piped = run(GetParam().name), filed = run(GetParam().name, std::string(">") + file);
	std::ifstream written(file, std::ios::binary);
	filed.out.assign(std::istreambuf_iterator<char>(written), {});
	unlink(file);
	for (const Outcome &o : {piped, filed}) {
		EXPECT_EQ(o.out, GetParam().bytes);
		EXPECT_EQ(o.err, "");
		EXPECT_EQ(o.status, 0);
	}
}

// Each launch (SHELL, PREFIX, stdout on a terminal or not, as run() takes
// them) writes the answer's bytes, nothing on stderr, and exits 0.  A
// terminal's driver turns each line feed into CR LF.
struct Launch {
	std::string shell, prefix = "";
	bool terminal = false;
};
void expect_answer(const Answer &answer, const std::vector<Launch> &launches)
{
	for (const Launch &how : launches) {
		std::string bytes = answer.bytes, said = how.prefix + how.shell;
		if (how.terminal) {
			bytes = std::regex_replace(bytes, std::regex("\n"), "\r\n");
			said = "on a terminal";
		}
		Outcome o = run(answer.name, how.shell, how.prefix, how.terminal);
		EXPECT_EQ(o.out, bytes) << said;
		EXPECT_EQ(o.err, "") << said;
		EXPECT_EQ(o.status, 0) << said;
	}
}

// Launched with arguments, without stdin, with no environment, and with
// stdout on a terminal.
TEST_P(Program, IgnoresArgumentsStdinEnvironmentAndTerminal)
{
	expect_answer(GetParam(), {{"--help -v 8113 ''"}, {"<&-"}, {"", "env -i"}, {"", "", true}});
}

// In locales that change what C's formatted output may do: a GB charset,
// Turkish case rules, a decimal comma.  The tests' fixture makes them in
// LOCALES, as a user can.
TEST_P(Program, IgnoresTheLocale)
{
	setenv("LOCPATH", LOCALES, 1);
	for (std::string locale : {"zh_CN.GBK", "tr_TR.UTF-8", "de_DE.UTF-8"}) {
		// setlocale, as newlocale leaks its LOCPATH list in glibc 2.36.
		ASSERT_TRUE(std::setlocale(LC_ALL, locale.c_str())) << locale << " is not in " LOCALES;
		std::setlocale(LC_ALL, "C");
		expect_answer(GetParam(), {{"", "env LC_ALL=" + locale}});
	}
}

// A program whose one job is to print must not claim success when nothing
// got out: it says why on stderr and exits 1.
void expect_write_error(const char *name, const std::string &shell, const std::string &prefix,
                        int error)
{
	Outcome o = run(name, shell, prefix);
	EXPECT_EQ(o.err, std::string(name) + ": write error: " + std::strerror(error) + "\n");
	EXPECT_EQ(o.status, 1);
}

bool have_dev_full()
{
	struct stat full;
	return stat("/dev/full", &full) == 0 && S_ISCHR(full.st_mode);
}

// Standard output stays closed only where no library is preloaded, as
// libfaketime is, to open a file first.
TEST_P(Program, ReportsAClosedStdoutAndExitsOne)
{
	expect_write_error(GetParam().name, ">&-", "env -u LD_PRELOAD", EBADF);
}

// A reader that has gone, with SIGPIPE ignored (as some supervisors leave
// it): the write fails with EPIPE rather than ending the program.
TEST_P(Program, ReportsAGoneReaderAndExitsOne)
{
	int fds[2];
	ASSERT_EQ(pipe(fds), 0);
	ASSERT_LT(fds[1], 10) << "the shell's redirections take one digit";
	close(fds[0]);
	auto was = signal(SIGPIPE, SIG_IGN);
	expect_write_error(GetParam().name, ">&" + std::to_string(fds[1]), "", EPIPE);
	signal(SIGPIPE, was);
	close(fds[1]);
}

TEST_P(Program, ReportsAFullDeviceAndExitsOne)
{
	if (!have_dev_full())
		GTEST_SKIP() << "/dev/full is not a character device here";
	expect_write_error(GetParam().name, ">/dev/full", "", ENOSPC);
}

// Unbuffered, the write fails within printf, and only the stream's error
// flag tells of it afterwards.  AddressSanitizer lets stdbuf's library come
// before its own only when told to.
TEST_P(Program, ReportsAnUnbufferedWriteErrorAndExitsOne)
{
	if (!have_dev_full())
		GTEST_SKIP() << "/dev/full is not a character device here";
	if (*EMULATOR)
		GTEST_SKIP() << "stdbuf would unbuffer the emulator, not the program under it";
	expect_write_error(GetParam().name, ">/dev/full",
	                   "env ASAN_OPTIONS=verify_asan_link_order=0 stdbuf -o0", ENOSPC);
}

INSTANTIATE_TEST_SUITE_P(All, Program, testing::ValuesIn(answers),
	[](const testing::TestParamInfo<Answer> &i) {
		std::string n = i.param.name;
		for (char &c : n)
			if (c == '-')
				c = '_';
		return n;
	});

} // namespace
