#pragma once
// stundwerk-cli: the core's operations from the command line.
#include <iosfwd>

// Exit codes: 0 success, 1 the system refused the command, 2 usage error.
constexpr int EXIT_REFUSED = 1;
constexpr int EXIT_USAGE = 2;

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);
