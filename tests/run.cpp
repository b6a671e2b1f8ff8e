#include "run.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <system_error>

extern char **environ;

namespace {

void check(int rc, const char *what)
{
	if (rc != 0)
		throw std::system_error(rc, std::generic_category(), what);
}

std::vector<char *> pointers(std::vector<std::string> &strings)
{
	std::vector<char *> p;
	for (auto &s : strings)
		p.push_back(s.data());
	p.push_back(nullptr);
	return p;
}

// Reads both pipes to their ends, whichever the child fills first.
void drain(int outfd, std::string &out, int errfd, std::string &err)
{
	struct pollfd fds[2] = {{outfd, POLLIN, 0}, {errfd, POLLIN, 0}};
	std::string *into[2] = {&out, &err};
	int open = (outfd >= 0) + 1;
	while (open > 0) {
		if (poll(fds, 2, -1) < 0) {
			if (errno == EINTR)
				continue;
			throw std::system_error(errno, std::generic_category(), "poll");
		}
		for (int i = 0; i < 2; ++i) {
			if (fds[i].fd < 0 || fds[i].revents == 0)
				continue;
			char buf[4096];
			ssize_t n = read(fds[i].fd, buf, sizeof buf);
			if (n > 0) {
				into[i]->append(buf, static_cast<size_t>(n));
			} else {
				fds[i].fd = -1;
				--open;
			}
		}
	}
}

} // namespace

std::string program(const std::string &name)
{
	if (const char *dir = std::getenv("RECKONINGS_BINDIR"))
		return std::string(dir) + "/" + name;
	std::istringstream built(PROGRAMS);
	for (std::string path; std::getline(built, path, ':');)
		if (path.substr(path.rfind('/') + 1) == name)
			return path;
	throw std::invalid_argument("no program named " + name);
}

Outcome run(const std::string &path, const Launch &how)
{
	// A program that cannot run is the test's failure, named as such: under
	// an emulator, posix_spawn would report it as started, exiting 127.
	if (access(path.c_str(), X_OK) != 0)
		throw std::system_error(errno, std::generic_category(), "cannot run " + path);

	int outp[2] = {-1, -1}, errp[2];
	if (how.out == Stdout::pipe && pipe2(outp, O_CLOEXEC) != 0)
		throw std::system_error(errno, std::generic_category(), "pipe");
	if (pipe2(errp, O_CLOEXEC) != 0)
		throw std::system_error(errno, std::generic_category(), "pipe");

	posix_spawn_file_actions_t fa;
	check(posix_spawn_file_actions_init(&fa), "file actions");
	if (how.close_stdin)
		check(posix_spawn_file_actions_addclose(&fa, 0), "close stdin");
	else
		check(posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0), "stdin");
	switch (how.out) {
	case Stdout::pipe:
		check(posix_spawn_file_actions_adddup2(&fa, outp[1], 1), "stdout");
		break;
	case Stdout::full_device:
		check(posix_spawn_file_actions_addopen(&fa, 1, "/dev/full", O_WRONLY, 0), "stdout");
		break;
	case Stdout::closed:
		check(posix_spawn_file_actions_addclose(&fa, 1), "close stdout");
		break;
	}
	check(posix_spawn_file_actions_adddup2(&fa, errp[1], 2), "stderr");

	// A cross build's program runs under its emulator, a command of the
	// build machine given as words separated by blanks.
	std::vector<std::string> argv;
	std::istringstream emulator(EMULATOR);
	for (std::string word; emulator >> word;)
		argv.push_back(word);
	argv.push_back(path);
	argv.insert(argv.end(), how.args.begin(), how.args.end());
	std::vector<std::string> envv = how.env.value_or(std::vector<std::string>{});
	auto argp = pointers(argv);
	auto envp = pointers(envv);

	pid_t pid;
	int rc = posix_spawnp(&pid, argv[0].c_str(), &fa, nullptr, argp.data(),
	                      how.env ? envp.data() : environ);
	posix_spawn_file_actions_destroy(&fa);
	if (outp[1] >= 0)
		close(outp[1]);
	close(errp[1]);
	if (rc != 0) {
		if (outp[0] >= 0)
			close(outp[0]);
		close(errp[0]);
		throw std::system_error(rc, std::generic_category(), "spawn " + path);
	}

	Outcome o;
	drain(outp[0], o.out, errp[0], o.err);
	if (outp[0] >= 0)
		close(outp[0]);
	close(errp[0]);

	int ws;
	while (waitpid(pid, &ws, 0) < 0)
		if (errno != EINTR)
			throw std::system_error(errno, std::generic_category(), "waitpid");
	o.status = WIFEXITED(ws) ? WEXITSTATUS(ws) : 128 + WTERMSIG(ws);
	return o;
}
