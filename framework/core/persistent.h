// The roots of the framework's class tree: every object that events name as their sender is a
// TObject, and every object whose published properties form data can set is a TPersistent.
#pragma once

#include <functional>
#include <string>

namespace framework {

class TObject {
public:
    virtual ~TObject() = default;
    // The class's own name without namespaces ("TPanel", "TForm1"): the name of a control's window
    // class and what the skin broadcast reports for each form.
    std::string ClassName() const;
};

class TPersistent : public TObject {};

// The event every control raises for a plain happening (a click, a change).
using TNotifyEvent = std::function<void(TObject* sender)>;

}  // namespace framework
