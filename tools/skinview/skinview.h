// skinview: draws a skin at any size, for skin authors, tests and benchmarks. Run it without
// arguments for the usage text; every subcommand is one entry of the table in skinview.cpp.
//
// Exit status: 0 success; 1 a skin or picture that cannot be read, or an output that cannot be
// written (one line naming the file); 2 wrong use.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tools {

int RunSkinview(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tools
