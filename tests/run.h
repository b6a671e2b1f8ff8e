// Runs a program of the collection through the shell, as a user would, and
// collects what it writes and how it exits.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

struct Outcome {
	std::string out, err;
	int status = -1; // exit status, or 128 + signal
};

// Runs `exec PREFIX PROGRAM SHELL` in sh, standard input from /dev/null:
// SHELL holds arguments and redirections in the shell's words (`-v ''`,
// `<&-`, `>/dev/full`), PREFIX a command to run it under (`env -i`).
// PROGRAM is `name` in $RECKONINGS_BINDIR where that is set (an installed
// collection, say), else the build tree's, under a cross build's emulator.
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
	std::ostringstream said;
	said << std::ifstream(err).rdbuf();
	o.err = said.str();
	unlink(err);
	return o;
}
