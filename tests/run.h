#pragma once

#include <pty.h>
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
// PREFIX a command to run it under (`env -i`); stdout on a pseudo-terminal
// where TERMINAL, which reads each line feed as CR LF.  PROGRAM is `name` in
// $RECKONINGS_BINDIR where set (an installed collection), else the build
// tree's, under its emulator.
inline Outcome run(const std::string &name, const std::string &shell = "",
                   const std::string &prefix = "", bool terminal = false)
{
	const char *dir = std::getenv("RECKONINGS_BINDIR");
	setenv("RECKONINGS_PROGRAM", ((dir ? dir : BINDIR) + ("/" + name)).c_str(), 1);
	char err[] = "/tmp/reckonings-stderr.XXXXXX";
	int fd = mkstemp(err);
	std::string command = "exec " + prefix + " " EMULATOR " \"$RECKONINGS_PROGRAM\" </dev/null 2>" +
	                      err + " " + shell;
	if (fd < 0 || close(fd) != 0)
		throw std::runtime_error("cannot make " + std::string(err));
	FILE *pipe = nullptr;
	pid_t child = -1;
	if (!terminal) {
		pipe = popen(command.c_str(), "r");
	} else if ((child = forkpty(&fd, nullptr, nullptr, nullptr)) == 0) {
		execl("/bin/sh", "sh", "-c", command.c_str(), nullptr);
		_exit(127);
	} else if (child > 0) {
		pipe = fdopen(fd, "r");
	}
	if (!pipe)
		throw std::runtime_error("cannot start " + command);
	Outcome o;
	for (int c; (c = std::fgetc(pipe)) != EOF;)
		o.out += char(c);
	int ws = -1;
	if (terminal) {
		fclose(pipe);
		waitpid(child, &ws, 0);
	} else {
		ws = pclose(pipe);
	}
	o.status = WIFEXITED(ws) ? WEXITSTATUS(ws) : 128 + WTERMSIG(ws);
	std::ifstream said(err);
	o.err.assign(std::istreambuf_iterator<char>(said), {});
	unlink(err);
	return o;
}
