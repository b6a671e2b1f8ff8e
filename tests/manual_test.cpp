// The manual as its readers take it: each command that a page's EXAMPLES
// show, in English and in Chinese, prints the lines shown under it; and
// each translated sentence keeps the numbers of its English one.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <tuple>
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

// A page as man shows it, a line each, by default so wide that no
// paragraph wraps.
std::vector<std::string> shown(const std::string &page, int width = 1000)
{
	std::vector<std::string> lines;
	std::string text = output_of("LC_ALL=C.UTF-8 MANWIDTH=" + std::to_string(width) +
	                             " MAN_DISABLE_SECCOMP=1 man -l '" + page + "' 2>/dev/null");
	for (size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
		lines.push_back(text.substr(at, end - at));
	return lines;
}

// Each heading of a page (a line at the margin) and the lines under it, the
// indent that groff gives a section's text (7 columns, or 5 in groff 1.24)
// taken off.
std::map<std::string, std::vector<std::string>> sections(const std::vector<std::string> &lines)
{
	std::map<std::string, std::vector<std::string>> all;
	std::vector<std::string> *text = nullptr;
	for (const std::string &line : lines) {
		if (!line.empty() && line[0] != ' ')
			text = &all[line];
		else if (text)
			text->push_back(line);
	}
	for (auto &[heading, text] : all) {
		size_t indent = std::string::npos;
		for (const std::string &line : text)
			if (!line.empty())
				indent = std::min(indent, line.find_first_not_of(' '));
		for (std::string &line : text)
			line.erase(0, std::min(indent, line.size()));
	}
	return all;
}

// Each language's names of the sections that every program's page has, and
// the words in which its OUTPUT states facts of the bytes written.
const struct Language {
	const char *dir; // under MANDIR
	std::vector<std::string> headings; // ... OUTPUT is the fourth, EXAMPLES the sixth
	const char *no_line_feed, *line_feed, *lines, *bytes;
	std::vector<std::string> numerals; // one to nine
} languages[] = {
	{"", {"NAME", "SYNOPSIS", "DESCRIPTION", "OUTPUT", "EXIT STATUS", "EXAMPLES", "SEE ALSO"},
	 "no line feed", "line feed|line of its own", "\\b([a-z]+) lines", "([0-9]+) bytes",
	 {"one", "two", "three", "four", "five", "six", "seven", "eight", "nine"}},
	{"zh_CN/", {"名称", "概述", "描述", "输出", "退出状态", "示例", "参见"},
	 "没有换行符", "换行符|各占一行", "共(.{3})行", "([0-9]+)字节",
	 {"一", "二", "三", "四", "五", "六", "七", "八", "九"}},
};

// Every page that each language has, with the program it is for ("" for
// the overview): eight programs' and the overview, where any.
std::vector<std::tuple<std::string, std::string, const Language *>> pages()
{
	std::vector<std::tuple<std::string, std::string, const Language *>> all;
	for (const Language &language : languages) {
		std::filesystem::path dir = MANDIR "/" + std::string(language.dir);
		if (!std::filesystem::exists(dir))
			continue;
		size_t before = all.size();
		for (const auto &entry : std::filesystem::directory_iterator(dir)) {
			std::string ext = entry.path().extension();
			if (ext == ".1" || ext == ".7")
				all.emplace_back(entry.path(), ext == ".1" ? entry.path().stem() : "",
				                 &language);
		}
		EXPECT_EQ(all.size() - before, 9u) << dir;
	}
	return all;
}

std::string bindir()
{
	const char *dir = std::getenv("RECKONINGS_BINDIR");
	return dir ? dir : BINDIR;
}

// A command is shown after "$ ", each further line of it after "> "; its
// output follows, up to a blank line or the next command.
TEST(Manual, EachExampleCommandPrintsWhatItsPageShows)
{
	if (*EMULATOR || output_of("command -v man").empty())
		GTEST_SKIP() << "needs man, and programs that run here";
	for (const auto &[page, program, language] : pages()) {
		std::vector<std::string> lines = sections(shown(page))[language->headings[5]];
		int examples = 0;
		for (size_t i = 0; i < lines.size(); ++i) {
			if (lines[i].compare(0, 2, "$ ") != 0)
				continue;
			std::string command = lines[i].substr(2), expected;
			while (i + 1 < lines.size() && lines[i + 1].compare(0, 2, "> ") == 0)
				command += "\n" + lines[++i].substr(2);
			for (size_t j = i + 1;
			     j < lines.size() && !lines[j].empty() && lines[j].compare(0, 2, "$ ") != 0; ++j)
				expected += lines[j] + "\n";
			// A page shows no blank at the end of a line.
			std::string out = output_of("PATH=\"" + bindir() + ":$PATH\"; " + command);
			EXPECT_EQ(std::regex_replace(out, std::regex(" +\n"), "\n"), expected)
			        << page << ": " << command;
			++examples;
		}
		EXPECT_GT(examples, 0) << page << " shows no command to run";
	}
}

// A program's page has every section, and the facts its OUTPUT states hold:
// a line feed or none at the end, a count of lines or of bytes, ASCII alone.
TEST(Manual, EachProgramsPageHasItsSectionsAndStatesItsOutputTruly)
{
	if (*EMULATOR || output_of("command -v man").empty())
		GTEST_SKIP() << "needs man, and programs that run here";
	for (const auto &[page, program, language] : pages()) {
		if (program.empty())
			continue;
		auto all = sections(shown(page));
		for (const std::string &heading : language->headings)
			EXPECT_EQ(all.count(heading), 1u) << page << " has no " << heading;
		std::string said, out = output_of("'" + bindir() + "/" + program + "'");
		for (const std::string &line : all[language->headings[3]])
			said += line + "\n";
		std::smatch m;
		if (std::regex_search(said, std::regex(language->no_line_feed))) {
			EXPECT_EQ(out.find('\n'), std::string::npos) << page;
		} else if (std::regex_search(said, std::regex(language->line_feed))) {
			EXPECT_EQ(out.back(), '\n') << page;
		} else {
			ADD_FAILURE() << page << " says nothing of how its output ends";
		}
		if (std::regex_search(said, m, std::regex(language->lines))) {
			auto n = std::find(language->numerals.begin(), language->numerals.end(), m[1]);
			EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), n - language->numerals.begin() + 1)
			        << page << ": " << m[0];
		}
		if (std::regex_search(said, m, std::regex(language->bytes))) {
			EXPECT_EQ(std::to_string(out.size()), m[1]) << page << ": " << m[0];
		}
		if (said.find("ASCII") != std::string::npos) {
			EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](char c) { return c > 0; }))
			        << page << ": " << out;
		}
	}
}

// The columns that UTF-8 text takes on a terminal, where Chinese
// characters (U+3000 to U+9FFF) are two wide; on a Chinese terminal, every
// character beyond ASCII is (“, ” and × are, there).
size_t columns(const std::string &text, bool chinese = true)
{
	size_t n = 0;
	for (unsigned char c : text)
		n += c < 0x80 ? 1 : c < 0xc0 ? 0 : chinese || (c >= 0xe3 && c <= 0xe9) ? 2 : 1;
	return n;
}

// No page is wider than a terminal of 60 columns.
TEST(Manual, EveryPageFitsSixtyColumns)
{
	if (output_of("command -v man").empty())
		GTEST_SKIP() << "needs man";
	for (const auto &[page, program, language] : pages())
		for (const std::string &line : shown(page, 60))
			EXPECT_LE(columns(line, *language->dir), 60u) << page << ": " << line;
}

std::vector<std::string> chinese_pages()
{
	std::vector<std::string> chinese;
	for (const auto &[page, program, language] : pages())
		if (*language->dir)
			chinese.push_back(page);
	return chinese;
}

// UTF-8 text as characters, decoded here: a locale's tables may not read
// on an emulated processor of the other byte order.
std::wstring wide(const std::string &utf8)
{
	std::wstring text;
	for (unsigned char c : utf8) {
		if (c >= 0x80 && c < 0xc0 && !text.empty())
			text.back() = text.back() << 6 | (c & 0x3f);
		else
			text += wchar_t(c < 0x80 ? c : c < 0xe0 ? c & 0x1f : c < 0xf0 ? c & 0x0f : c & 0x07);
	}
	return text;
}

// Chinese is set with no blank between two characters, beside full-width
// punctuation, or between a character and a number; with one on each side
// of a Latin word; a running count in 日, not 天.  Read as one line a
// paragraph, where no blank can hide at a line's end.
TEST(Manual, ChinesePagesAreSetAsChineseTypesettersSetThem)
{
	std::vector<std::string> chinese = chinese_pages();
	if (output_of("command -v man").empty() || chinese.empty())
		GTEST_SKIP() << "needs man, and Chinese pages (configure finds po4a)";
	const std::wstring han = L"[㐀-䶿一-鿿]", mark = L"[，。、；：？！（）“”]";
	const std::wregex unset(han + L" +" + han + L"|" + mark + L" +[^ ]|[^ ] +" + mark + L"|" +
	                        han + L" +[0-9]|(^|[^-A-Za-z0-9])[0-9]+ +" + han + L"|" + han +
	                        L"[A-Za-z]|[A-Za-z][-A-Za-z0-9]*" + han + L"|第[0-9]+天");
	for (const std::string &page : chinese)
		for (const std::string &line : shown(page))
			EXPECT_FALSE(std::regex_search(wide(line), unset)) << page << ": " << line;
}

// A Chinese page on a Chinese terminal: no Latin word hyphenated, and its
// filled lines full.  A line is ragged that
// ends 8 or more columns short of the title line's width where the next
// line of its paragraph could have begun: its first character, or Latin
// word, would have fitted.  None may be at 80 columns, 4 in all pages at 60.
TEST(Manual, ChinesePagesFillTheirLinesToTheMargin)
{
	if (output_of("command -v man").empty())
		GTEST_SKIP() << "needs man";
	std::vector<std::string> chinese = chinese_pages();
	if (chinese.empty())
		GTEST_SKIP() << "no Chinese pages: configure found no po4a";
	const std::regex hyphenated("[A-Za-z](-|‐)$"),
	        first_unit("^([A-Za-z0-9][!-~]*|[\\x80-\\xff][\\x80-\\xbf]*)");
	const Language &language = languages[1];
	for (int width : {80, 60}) {
		int ragged = 0;
		std::string which;
		for (const std::string &page : chinese) {
			std::vector<std::string> lines = shown(page, width);
			ASSERT_FALSE(lines.empty()) << "man shows nothing of " << page;
			size_t margin = columns(lines[0]);
			bool filled = false;
			for (size_t i = 0; i < lines.size(); ++i) {
				const std::string &line = lines[i], next = i + 1 < lines.size() ? lines[i + 1] : "";
				EXPECT_FALSE(std::regex_search(line, hyphenated))
				        << page << " at " << width << " hyphenates: " << line;
				if (!line.empty() && line[0] != ' ')
					filled = line != language.headings[1] && line != language.headings[5];
				size_t indent = line.find_first_not_of(' ');
				if (!filled || indent == std::string::npos || next.find_first_not_of(' ') != indent)
					continue;
				std::smatch first;
				std::regex_search(next.begin() + indent, next.end(), first, first_unit);
				// A Latin word would have needed its blank too.
				size_t need = columns(first[0]) + !(first[0].str()[0] & 0x80);
				if (columns(line) + 8 <= margin && columns(line) + need <= margin) {
					which += page + ": " + line + "\n";
					++ragged;
				}
			}
		}
		EXPECT_LE(ragged, width == 80 ? 0 : 4) << "ragged at " << width << ":\n" << which;
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

// A translation may equal its English only where that is code, a name or a
// number: an example (a command and its output), or text none of whose
// Latin words stands beside another as prose does, names being bold or
// italic (B<...>, I<...>) or joined by hyphens (DAY-STEP).
bool prose(const std::string &text)
{
	static const std::regex name("[BI]<[^>]*>"),
	        two_words("(^|[ (])[A-Za-z]{2,}[,.;:]? [A-Za-z]{2,}([ ,.;:)]|$)");
	return text.compare(0, 2, "$ ") != 0 &&
	       std::regex_search(std::regex_replace(text, name, ""), two_words);
}

// The glyph strings that a text uses (\*[nian], \*[gain]): a translation
// takes them as its English does, not written out.
std::multiset<std::string> glyphs(const std::string &text)
{
	static const std::regex glyph("\\\\\\*\\[[a-z]+\\]");
	std::multiset<std::string> found;
	for (std::sregex_iterator i(text.begin(), text.end(), glyph), end; i != end; ++i)
		found.insert(i->str());
	return found;
}

TEST(Manual, EachTranslationIsChineseAndKeepsTheNumbersOfItsSentence)
{
	int translated = 0;
	for (const auto &[english, chinese] : entries(SOURCE_DIR "/man/po/zh_CN.po")) {
		if (english.empty() || chinese.empty())
			continue;
		EXPECT_EQ(numbers(english), numbers(chinese)) << english << "\n" << chinese;
		EXPECT_EQ(glyphs(english), glyphs(chinese)) << english << "\n" << chinese;
		EXPECT_FALSE(chinese == english && prose(english)) << "left in English: " << english;
		++translated;
	}
	EXPECT_GE(translated, 100);
}

} // namespace
