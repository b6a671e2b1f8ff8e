#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

struct Outcome {
	std::string out, err;
	int status = -1; // exit status, or 128 + signal
};

// Runs a program as a user would: `exec PREFIX PROGRAM SHELL` in sh, stdin
// from /dev/null.  SHELL is arguments and redirections (`>/dev/full`),
// PREFIX a command to run it under (`env -i`).  PROGRAM is `name` in
// $RECKONINGS_BINDIR where set (an installed collection), else the build
// tree's, under its emulator.
inline Outcome run(const std::string &name, const std::string &shell = "",
                   const std::string &prefix = "")
{
	const char *dir = std::getenv("RECKONINGS_BINDIR");
	setenv("RECKONINGS_PROGRAM", ((dir ? dir : BINDIR) + ("/" + name)).c_str(), 1);
	char err[] = "/tmp/reckonings-stderr.XXXXXX";
	int fd = mkstemp(err);
	std::string command = "exec " + prefix + " " EMULATOR " \"$RECKONINGS_PROGRAM\" </dev/null 2>" +
	                      err + " " + shell;
	FILE *pipe = fd < 0 || close(fd) != 0 ? nullptr : popen(command.c_str(), "r");
	if (!pipe)
		throw std::runtime_error("cannot start " + command);
	Outcome o;
	for (int c; (c = std::fgetc(pipe)) != EOF;)
		o.out += char(c);
	int ws = pclose(pipe);
	o.status = WIFEXITED(ws) ? WEXITSTATUS(ws) : 128 + WTERMSIG(ws);
	std::ifstream said(err);
	o.err.assign(std::istreambuf_iterator<char>(said), {});
	unlink(err);
	return o;
}
