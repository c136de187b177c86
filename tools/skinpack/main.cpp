#include <iostream>

#include "tools/skinpack/skinpack.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return tools::RunSkinpack(args, std::cout, std::cerr);
}
