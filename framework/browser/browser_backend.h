// What an embedded browser engine offers the browser component (TWebBrowser, web_browser.h): load a
// URL, report each finished document, and call a named global function of the page's script with
// string and integer arguments passed as values. Two engines implement it: the headless one of
// tests (headless_browser.h) and WebKitGTK (gtk/). The program or a test chooses the engine for the
// whole process with SetBrowserBackendFactory.
//
// Everything runs on the user-interface thread. Callbacks are called on it as well: either inside
// the call that started the work or later, while the display pumps its events. A backend never
// calls back after it has been destroyed.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "framework/core/exception.h"

namespace platform {
struct NativeWidget;
}

namespace framework {

// Every failure of a page call, whatever its cause (no document, no such function, a script
// error, an answer that is not a number, no answer in time, the browser gone).
class EPageCallError : public Exception {
    using Exception::Exception;
};

// Loading could not start (a URL the engine refuses, an engine that cannot run).
class ENavigationError : public Exception {
    using Exception::Exception;
};

// One argument of a page call, passed to the page function as a value of its own type: a string
// reaches the function as a string, byte for byte (UTF-8 here), never as script text.
using PageArg = std::variant<std::string, int32_t>;

// What the page function answered, as the engine saw it. The component turns it into a 32-bit
// integer (PageAnswerToInt32), so both engines convert alike.
struct PageAnswer {
    enum class Kind : uint8_t { Number, String, Boolean, Other };  // Other: undefined, null, objects
    Kind kind = Kind::Other;
    double number = 0;
    std::string text;
    bool boolean = false;

    static PageAnswer Number(double value) { return {Kind::Number, value, {}, false}; }
    static PageAnswer String(std::string value) { return {Kind::String, 0, std::move(value), false}; }
};

// How a page call ended in the engine: an answer, or the reason there is none.
struct PageCallResult {
    enum class Status : uint8_t { Answered, NoDocument, NoSuchFunction, ScriptError, EngineError };
    Status status = Status::EngineError;
    PageAnswer answer;    // with Answered
    std::string message;  // otherwise: what went wrong, for the error's text

    static PageCallResult Answered(PageAnswer answer) { return {Status::Answered, std::move(answer), {}}; }
    static PageCallResult Failed(Status status, std::string message) {
        return {status, {}, std::move(message)};
    }
};

// A number (finite, rounded half to even, inside 32 bits) or a string holding a decimal integer
// of 32 bits; nothing else converts.
std::optional<int32_t> PageAnswerToInt32(const PageAnswer& answer);

class BrowserBackend {
public:
    using DocumentCompleteHandler = std::function<void(const std::string& url)>;
    using CallCompletion = std::function<void(PageCallResult result)>;

    virtual ~BrowserBackend() = default;

    // Starts loading `url`. Raises ENavigationError when loading cannot start; errors of the page
    // itself (network, server) are shown by the engine and may still end in a document-complete.
    virtual void navigate(const std::string& url) = 0;

    // Calls the page's global function `name` with `args`. `done` is called exactly once (unless
    // the backend is destroyed first), possibly before callFunction returns.
    virtual void callFunction(const std::string& name, const std::vector<PageArg>& args,
                              CallCompletion done) = 0;

    // Called each time a document, a frame included, has finished loading; may fire many times.
    virtual void setDocumentCompleteHandler(DocumentCompleteHandler handler) = 0;

    // The widget the component places over its window (platform/window/native_widget.h), or null
    // for an engine that shows nothing (headless). Owned by the backend.
    virtual platform::NativeWidget* nativeWidget() = 0;
};

// Makes the engine of every browser component created from now on; returns the previous factory.
// Without a factory (the start) components get the headless engine with an empty page.
using BrowserBackendFactory = std::function<std::unique_ptr<BrowserBackend>()>;
BrowserBackendFactory SetBrowserBackendFactory(BrowserBackendFactory factory);
std::unique_ptr<BrowserBackend> CreateBrowserBackend();

}  // namespace framework
