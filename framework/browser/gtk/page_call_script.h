// The script text and argument dictionary of a page call. The text depends only on how many
// arguments there are and of which type; every value (the function's name included) travels in the
// argument dictionary, so that no value is ever read as script.
#pragma once

#include <glib.h>

#include <string>
#include <vector>

#include "framework/browser/browser_backend.h"

namespace framework::webkit {

// The body of the function WebKit calls: it looks `name` up on the window object and answers
// [0] when there is no such function, [1, answer] otherwise. Strings arrive as the parts between
// their NUL characters (a dictionary string cannot hold one) and are joined again in the page.
std::string PageCallScript(const std::vector<PageArg>& args);

// The dictionary (a{sv}) of the call: "name", then per argument "aI" (an integer) or "aI_K" (the
// K-th part of a string). Text that is not valid UTF-8 has its bad bytes replaced by U+FFFD, as a
// page's strings cannot hold them. A floating reference.
GVariant* PageCallArguments(const std::string& name, const std::vector<PageArg>& args);

}  // namespace framework::webkit
