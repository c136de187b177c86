#include "framework/core/persistent.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace framework {

std::string TObject::ClassName() const {
    const char* mangled = typeid(*this).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                    std::free);
    std::string name = status == 0 && demangled ? demangled.get() : mangled;
    // Drop namespaces, and template arguments should a class ever have them.
    if (size_t angle = name.find('<'); angle != std::string::npos) name.resize(angle);
    if (size_t colon = name.rfind("::"); colon != std::string::npos) name.erase(0, colon + 2);
    return name;
}

}  // namespace framework
