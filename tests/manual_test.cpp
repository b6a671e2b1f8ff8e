// The manual as its readers take it: each command that a page's EXAMPLES
// show, in English and in Chinese, prints the lines shown under it; and
// each translated sentence keeps the numbers of its English one.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

std::string output_of(const std::string &command)
{
	std::string out;
	if (FILE *pipe = popen(command.c_str(), "r")) {
		for (int c; (c = std::fgetc(pipe)) != EOF;)
			out += char(c);
		pclose(pipe);
	}
	return out;
}

// A page as man shows it, a line each.
std::vector<std::string> shown(const std::string &page)
{
	std::vector<std::string> lines;
	std::string text = output_of("LC_ALL=C.UTF-8 MANWIDTH=80 MAN_DISABLE_SECCOMP=1 man -l '" +
	                             page + "' 2>/dev/null");
	for (size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
		lines.push_back(text.substr(at, end - at));
	return lines;
}

// A section's text starts 7 columns in; its heading, at the margin.
const std::string indent(7, ' ');

TEST(Manual, EachExampleCommandPrintsWhatItsPageShows)
{
	if (*EMULATOR || output_of("command -v man").empty())
		GTEST_SKIP() << "needs man, and programs that run here";
	const char *dir = std::getenv("RECKONINGS_BINDIR");
	for (const auto &entry : std::filesystem::recursive_directory_iterator(MANDIR)) {
		std::string page = entry.path(), ext = entry.path().extension();
		if (ext != ".1" && ext != ".7")
			continue;
		int examples = 0;
		bool in_examples = false;
		std::vector<std::string> lines = shown(page);
		for (size_t i = 0; i < lines.size(); ++i) {
			if (!lines[i].empty() && lines[i][0] != ' ')
				in_examples = lines[i] == "EXAMPLES" || lines[i] == "示例";
			if (!in_examples || lines[i].compare(0, 9, indent + "$ ") != 0)
				continue;
			std::string expected;
			for (size_t j = i + 1; j < lines.size() && !lines[j].empty() &&
			                       lines[j].compare(0, 9, indent + "$ ") != 0; ++j)
				expected += lines[j].substr(indent.size()) + "\n";
			EXPECT_EQ(output_of("PATH=\"" + std::string(dir ? dir : BINDIR) + ":$PATH\"; " +
			                    lines[i].substr(9)), expected)
			        << page << ", line " << i + 1 << ": " << lines[i];
			++examples;
		}
		EXPECT_TRUE(examples > 0 || ext == ".7") << page << " shows no command to run";
	}
}

// msgid and msgstr of each entry of a gettext catalogue, escapes as written.
std::vector<std::pair<std::string, std::string>> entries(const std::string &catalogue)
{
	std::vector<std::pair<std::string, std::string>> all;
	std::ifstream in(catalogue);
	std::string line, *field = nullptr;
	while (std::getline(in, line)) {
		if (line.compare(0, 6, "msgid ") == 0) {
			all.emplace_back();
			field = &all.back().first;
		} else if (line.compare(0, 7, "msgstr ") == 0) {
			field = &all.back().second;
		} else if (line.empty() || line[0] != '"') {
			field = nullptr;
		}
		if (field && line.find('"') != std::string::npos)
			*field += line.substr(line.find('"') + 1, line.rfind('"') - line.find('"') - 1);
	}
	return all;
}

// The numbers a text writes in digits; in English, a month's name counts as
// its number, which is how Chinese writes the month.
std::set<std::string> numbers(const std::string &text)
{
	static const char *const months[] = {"January", "February", "March", "April", "May",
		"June", "July", "August", "September", "October", "November", "December"};
	std::set<std::string> found;
	std::regex number("[0-9]+");
	for (std::sregex_iterator i(text.begin(), text.end(), number), end; i != end; ++i)
		found.insert(i->str());
	for (int m = 0; m < 12; ++m)
		for (size_t at = 0; (at = text.find(months[m], at)) != std::string::npos; ++at)
			found.insert(std::to_string(m + 1));
	return found;
}

TEST(Manual, EachTranslationKeepsTheNumbersOfItsSentence)
{
	int translated = 0;
	for (const auto &[english, chinese] : entries(SOURCE_DIR "/man/po/zh_CN.po")) {
		if (english.empty() || chinese.empty())
			continue;
		EXPECT_EQ(numbers(english), numbers(chinese)) << english << "\n" << chinese;
		++translated;
	}
	EXPECT_GE(translated, 100);
}

} // namespace
