// The standard message box: a small modal window with a text and an OK button.
#pragma once

#include <string>

namespace framework {

// Shows the box and returns when it is closed (OK, Enter, Escape or its close button).
void ShowMessageBox(const std::string& title, const std::string& text);

}  // namespace framework
