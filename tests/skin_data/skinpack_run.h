// skinpack run in-process, as the tests of its commands use it.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "tools/skinpack/skinpack.h"

namespace fixture {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

inline Outcome Skinpack(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = tools::RunSkinpack(args, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace fixture
