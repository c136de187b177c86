#include "framework/browser/gtk/webkit_browser.h"

#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

#include <set>
#include <utility>

#include "framework/browser/gtk/page_call_script.h"
#include "platform/display/gtk/native_widget.h"

namespace framework {

namespace {

// One for every view of the process: nothing kept on disk, the web processes sandboxed. The
// sandbox must be set before the first web process starts, hence before the first view.
WebKitWebContext* SharedContext() {
    static WebKitWebContext* context = [] {
        WebKitWebContext* c = webkit_web_context_new_ephemeral();
        webkit_web_context_set_sandbox_enabled(c, true);
        return c;
    }();
    return context;
}

PageAnswer AnswerOf(JSCValue* value) {
    if (jsc_value_is_number(value))
        return PageAnswer::Number(jsc_value_to_double(value));
    if (jsc_value_is_string(value)) {
        gchar* text = jsc_value_to_string(value);
        PageAnswer answer = PageAnswer::String(text ? text : "");
        g_free(text);
        return answer;
    }
    if (jsc_value_is_boolean(value)) {
        PageAnswer answer;
        answer.kind = PageAnswer::Kind::Boolean;
        answer.boolean = jsc_value_to_boolean(value);
        return answer;
    }
    return PageAnswer{};
}

// The wrapper's answer: [0] for no such function, [1, answer] otherwise.
PageCallResult ResultOf(JSCValue* wrapped) {
    if (!jsc_value_is_array(wrapped))
        return PageCallResult::Failed(PageCallResult::Status::EngineError, "the page call answered oddly");
    JSCValue* tag = jsc_value_object_get_property_at_index(wrapped, 0);
    bool found = jsc_value_to_int32(tag) == 1;
    g_object_unref(tag);
    if (!found)
        return PageCallResult::Failed(PageCallResult::Status::NoSuchFunction, "no such function on the page");
    JSCValue* value = jsc_value_object_get_property_at_index(wrapped, 1);
    PageAnswer answer = AnswerOf(value);
    g_object_unref(value);
    return PageCallResult::Answered(std::move(answer));
}

PageCallResult FailureOf(const GError* error) {
    bool script = error->domain == WEBKIT_JAVASCRIPT_ERROR;
    return PageCallResult::Failed(
        script ? PageCallResult::Status::ScriptError : PageCallResult::Status::EngineError,
        error->message ? error->message : "the page call failed");
}

}  // namespace

bool WebKitCanNavigate(const std::string& url) {
    if (url == "about:blank")
        return true;
    GUri* uri = g_uri_parse(url.c_str(), G_URI_FLAGS_NONE, nullptr);
    if (!uri)
        return false;
    const char* scheme = g_uri_get_scheme(uri);
    const char* host = g_uri_get_host(uri);
    bool web = (g_ascii_strcasecmp(scheme, "http") == 0 || g_ascii_strcasecmp(scheme, "https") == 0) &&
               host && *host;
    g_uri_unref(uri);
    return web;
}

// The web view and everything waiting on it. Work handed to GLib (deferred callbacks, calls in
// flight) refers to the view through a Link, which the view cuts when it goes.
class WebKitBrowserBackend::View {
  public:
    View() {
        if (!gdk_display_get_default())
            return;  // no GTK: an engine that shows nothing
        widget_.widget = GTK_WIDGET(g_object_ref_sink(webkit_web_view_new_with_context(SharedContext())));
        WebKitWebView* view = webView();
        WebKitSettings* settings = webkit_web_view_get_settings(view);
        webkit_settings_set_enable_developer_extras(settings, false);
        webkit_settings_set_javascript_can_open_windows_automatically(settings, false);
        webkit_settings_set_enable_write_console_messages_to_stdout(settings, false);
        g_signal_connect(view, "load-changed", G_CALLBACK(OnLoadChanged), this);
        g_signal_connect(view, "create", G_CALLBACK(OnCreate), this);
        g_signal_connect(view, "context-menu", G_CALLBACK(OnContextMenu), this);
        g_signal_connect(view, "decide-policy", G_CALLBACK(OnDecidePolicy), this);
        g_signal_connect(view, "permission-request", G_CALLBACK(OnPermissionRequest), this);
    }

    ~View() {
        link_->view = nullptr;
        if (!widget_.widget)
            return;
        // A call still waiting may be a script that never ends: its web process goes with the view.
        if (!cancellables_.empty())
            webkit_web_view_terminate_web_process(webView());
        for (GCancellable* c : cancellables_) g_cancellable_cancel(c);
        g_signal_handlers_disconnect_by_data(widget_.widget, this);
        gtk_widget_destroy(widget_.widget);  // out of the window it was placed in
        g_object_unref(widget_.widget);
    }

    void navigate(const std::string& url) {
        if (!widget_.widget)
            throw ENavigationError("no browser engine: the desktop display is not running");
        if (!WebKitCanNavigate(url))
            throw ENavigationError("cannot navigate to \"" + url + "\"");
        navigated_ = true;
        webkit_web_view_load_uri(webView(), url.c_str());
    }

    void call(const std::string& name, const std::vector<PageArg>& args, CallCompletion done) {
        using Status = PageCallResult::Status;
        if (!widget_.widget)
            return done(PageCallResult::Failed(Status::EngineError, "no browser engine"));
        if (!navigated_)
            return done(PageCallResult::Failed(Status::NoDocument, "no document"));
        // No page function has a name with a NUL in it that the page could be asked for.
        if (name.find('\0') != std::string::npos)
            return done(PageCallResult::Failed(Status::NoSuchFunction, "no such function on the page"));
        std::string script = webkit::PageCallScript(args);
        auto* call = new Call{link_, std::move(done), g_cancellable_new()};
        cancellables_.insert(call->cancellable);
        Calls().insert(call);
        webkit_web_view_call_async_javascript_function(
            webView(), script.c_str(), gssize(script.size()), webkit::PageCallArguments(name, args), nullptr,
            nullptr, call->cancellable, &View::OnCallFinished, call);
    }

    void setDocumentComplete(DocumentCompleteHandler handler) { documentComplete_ = std::move(handler); }
    platform::NativeWidget* nativeWidget() { return widget_.widget ? &widget_ : nullptr; }

  private:
    struct Link {
        View* view = nullptr;
    };
    struct Call {
        std::shared_ptr<Link> link;
        CallCompletion done;
        GCancellable* cancellable;
    };
    struct Deferred {
        std::shared_ptr<Link> link;
        std::function<void(View&)> work;
    };

    // Calls in flight stay reachable while WebKit holds them (a hung page may never answer).
    static std::set<Call*>& Calls() {
        static std::set<Call*> calls;
        return calls;
    }

    WebKitWebView* webView() const { return WEBKIT_WEB_VIEW(widget_.widget); }

    // Runs `work` from a GLib source of its own, if the view is still there then.
    void defer(std::function<void(View&)> work) {
        auto* d = new Deferred{link_, std::move(work)};
        g_idle_add_full(
            G_PRIORITY_DEFAULT,
            [](gpointer data) -> gboolean {
                auto* deferred = static_cast<Deferred*>(data);
                if (View* view = deferred->link->view)
                    deferred->work(*view);
                return G_SOURCE_REMOVE;
            },
            d, [](gpointer data) { delete static_cast<Deferred*>(data); });
    }

    static void OnCallFinished(GObject* source, GAsyncResult* result, gpointer data) {
        auto* call = static_cast<Call*>(data);
        Calls().erase(call);
        GError* error = nullptr;
        JSCValue* value =
            webkit_web_view_call_async_javascript_function_finish(WEBKIT_WEB_VIEW(source), result, &error);
        PageCallResult outcome = value ? ResultOf(value) : FailureOf(error);
        if (value)
            g_object_unref(value);
        if (error)
            g_error_free(error);
        if (View* view = call->link->view) {
            view->cancellables_.erase(call->cancellable);
            view->defer([done = std::move(call->done), outcome = std::move(outcome)](View&) mutable {
                done(std::move(outcome));
            });
        }
        g_object_unref(call->cancellable);
        delete call;
    }

    static void OnLoadChanged(WebKitWebView* view, WebKitLoadEvent event, gpointer data) {
        if (event != WEBKIT_LOAD_FINISHED)
            return;
        const char* uri = webkit_web_view_get_uri(view);
        static_cast<View*>(data)->defer([url = std::string(uri ? uri : "")](View& self) {
            if (self.documentComplete_)
                self.documentComplete_(url);
        });
    }

    static GtkWidget* OnCreate(WebKitWebView*, WebKitNavigationAction*, gpointer) { return nullptr; }

    static gboolean OnContextMenu(WebKitWebView*, WebKitContextMenu*, GdkEvent*, WebKitHitTestResult*,
                                  gpointer) {
        return true;
    }

    static gboolean OnDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision,
                                   WebKitPolicyDecisionType type, gpointer) {
        if (type != WEBKIT_POLICY_DECISION_TYPE_NEW_WINDOW_ACTION)
            return false;
        webkit_policy_decision_ignore(decision);
        return true;
    }

    static gboolean OnPermissionRequest(WebKitWebView*, WebKitPermissionRequest* request, gpointer) {
        webkit_permission_request_deny(request);
        return true;
    }

    platform::NativeWidget widget_;
    bool navigated_ = false;
    DocumentCompleteHandler documentComplete_;
    std::shared_ptr<Link> link_ = std::make_shared<Link>(Link{this});
    std::set<GCancellable*> cancellables_;
};

WebKitBrowserBackend::WebKitBrowserBackend() : view_(std::make_unique<View>()) {}
WebKitBrowserBackend::~WebKitBrowserBackend() = default;

void WebKitBrowserBackend::navigate(const std::string& url) {
    view_->navigate(url);
}
void WebKitBrowserBackend::callFunction(const std::string& name, const std::vector<PageArg>& args,
                                        CallCompletion done) {
    view_->call(name, args, std::move(done));
}
void WebKitBrowserBackend::setDocumentCompleteHandler(DocumentCompleteHandler handler) {
    view_->setDocumentComplete(std::move(handler));
}
platform::NativeWidget* WebKitBrowserBackend::nativeWidget() {
    return view_->nativeWidget();
}

}  // namespace framework
