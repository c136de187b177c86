#include <iostream>

#include "tools/skinview/skinview.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return tools::RunSkinview(args, std::cout, std::cerr);
}
