// Runs a program as a child process and collects what it writes.
#pragma once

#include <optional>
#include <string>
#include <vector>

// Where the child's standard output goes.
enum class Stdout { pipe, full_device, closed };

struct Launch {
	std::vector<std::string> args;      // after the program name
	// NAME=value entries; unset: the test's own environment.
	std::optional<std::vector<std::string>> env;
	bool close_stdin = false; // else stdin is /dev/null
	Stdout out = Stdout::pipe;
};

struct Outcome {
	std::string out;  // standard output (Stdout::pipe only)
	std::string err;  // standard error
	int status = -1;  // exit status, or 128 + signal
};

// The path of the program `name`: the one in $RECKONINGS_BINDIR where that
// is set (an installed collection, say), else the build tree's.
std::string program(const std::string& name);

Outcome run(const std::string& path, const Launch& how = {});
