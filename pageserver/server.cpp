#include "pageserver/server.h"

#include <arpa/inet.h>

#include <charconv>

#include "pageserver/answers.h"
#include "pageserver/pictures.h"
#include "pageserver/search_query.h"
#include "pageserver/web_assets.h"

namespace pageserver {

namespace {

constexpr std::string_view Root = "/qrwk/";
constexpr std::string_view SearchPath = "/qrwk/api/search";

void SendJson(httplib::Response& response, int status, const nlohmann::json& body) {
    response.status = status;
    response.set_content(body.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace),
                         "application/json; charset=utf-8");
}

void SendNotFound(httplib::Response& response) {
    response.status = 404;
    response.set_content(
        "<!doctype html><meta charset='utf-8'><title>找不到页面</title>"
        "<p style='font-family:sans-serif;color:#888;text-align:center;margin-top:20vh'>这里什么也没有。"
        "<a href='/qrwk/'>回到首页</a></p>",
        "text/html; charset=utf-8");
}

// The query as sent: the part of the request target after "?", still percent-encoded.
std::string_view RawQueryOf(const httplib::Request& request) {
    const std::string_view target = request.target;
    const size_t mark = target.find('?');
    return mark == std::string_view::npos ? std::string_view() : target.substr(mark + 1);
}

std::optional<int64_t> ParseId(std::string_view text) {
    int64_t id = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id, 10);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return id;
}

// The items of a wear list that are in the catalogue; unknown ids are left out.
std::optional<std::vector<const Item*>> WornItems(const Catalogue& catalogue, std::string_view query) {
    // Clients may send the commas encoded.
    const std::optional<std::string> decoded = PercentDecode(query);
    const auto ids = decoded ? ReadWearList(*decoded) : std::nullopt;
    if (!ids) {
        return std::nullopt;
    }
    std::vector<const Item*> items;
    for (int64_t id : *ids) {
        if (const Item* item = catalogue.Find(id)) {
            items.push_back(item);
        }
    }
    return items;
}

}  // namespace

bool IsLoopbackHost(std::string_view host) {
    if (host == "localhost" || host == "::1" || host == "[::1]") {
        return true;
    }
    in_addr address{};
    const std::string text(host);
    return inet_pton(AF_INET, text.c_str(), &address) == 1 && (ntohl(address.s_addr) >> 24) == 127;
}

PageServer::PageServer(const Catalogue& catalogue) : catalogue_(catalogue) {
    // Everything but the search body is answered before httplib's own routing, whose patterns are
    // regular expressions run over whatever path a client sends.
    server_.set_pre_routing_handler([this](const httplib::Request& request, httplib::Response& response) {
        if (request.method == "POST" && request.path == SearchPath) {
            return httplib::Server::HandlerResponse::Unhandled;  // its body is read after this step
        }
        if (observer_) {
            observer_(request);
        }
        Answer(request, response);
        return httplib::Server::HandlerResponse::Handled;
    });
    server_.Post(std::string(SearchPath),
                 [this](const httplib::Request& request, httplib::Response& response) {
                     if (observer_) {
                         observer_(request);
                     }
                     const SearchAnswer answer = AnswerSearch(catalogue_, request.body);
                     SendJson(response, answer.status, answer.body);
                 });
    server_.set_exception_handler(
        [](const httplib::Request&, httplib::Response& response, std::exception_ptr) {
            SendJson(response, 500,
                     {{"ok", false},
                      {"message", "服务器出了点问题，请稍后再试。"},
                      {"items", nlohmann::json::array()}});
        });
    // Bodies up to this size are read and then refused by the query reader with its own message.
    server_.set_payload_max_length(1 << 20);
    server_.set_read_timeout(5);
    server_.set_write_timeout(5);
}

bool PageServer::Bind(const std::string& host, int port) {
    if (!IsLoopbackHost(host) || port < 0 || port > 65535) {
        return false;
    }
    const std::string address = host == "[::1]" ? "::1" : host;
    port_ = port == 0 ? server_.bind_to_any_port(address) : (server_.bind_to_port(address, port) ? port : -1);
    return port_ > 0;
}

void PageServer::Run() {
    server_.listen_after_bind();
}

void PageServer::Stop() {
    server_.stop();
}

void PageServer::Answer(const httplib::Request& request, httplib::Response& response) const {
    if (request.method != "GET" && request.method != "HEAD") {
        response.status = 405;
        response.set_header("Allow", "GET, HEAD");
        return;
    }
    const std::string_view path = request.path;
    if (path == "/" || path == "/qrwk") {
        response.set_redirect(std::string(Root));
        return;
    }
    if (!path.starts_with(Root)) {
        SendNotFound(response);
        return;
    }
    const std::string_view rest = path.substr(Root.size());
    if (path == SearchPath) {
        const SearchAnswer answer = AnswerSearch(catalogue_, RawQueryOf(request));
        SendJson(response, answer.status, answer.body);
        return;
    }
    if (rest.starts_with("img/") && rest.ends_with(".svg")) {
        const std::optional<int64_t> id = ParseId(rest.substr(4, rest.size() - 8));
        const Item* item = id ? catalogue_.Find(*id) : nullptr;
        if (item == nullptr) {
            SendNotFound(response);
            return;
        }
        response.set_header("Cache-Control", "max-age=86400");
        response.set_content(ItemPictureSvg(*item), "image/svg+xml");
        return;
    }
    if (rest == "api/categories") {
        nlohmann::json categories = nlohmann::json::array();
        for (size_t position = 1; position < app::Categories.size(); ++position) {
            categories.push_back(
                {{"id", app::Categories[position].id}, {"caption", app::Categories[position].caption}});
        }
        SendJson(response, 200, categories);
        return;
    }
    if (rest == "api/outfit") {
        const auto worn = WornItems(catalogue_, RawQueryOf(request));
        nlohmann::json items = nlohmann::json::array();
        for (const Item* item : worn ? Outfit(*worn) : std::vector<const Item*>{}) {
            items.push_back(ItemJson(*item));
        }
        SendJson(response, worn ? 200 : 400, {{"ok", worn.has_value()}, {"items", std::move(items)}});
        return;
    }
    if (rest == "fit.svg") {
        const auto worn = WornItems(catalogue_, RawQueryOf(request));
        if (!worn) {
            response.status = 400;
            response.set_content("wear=<id>,<id>,... (at most 8)", "text/plain; charset=utf-8");
            return;
        }
        response.set_content(FittingSvg(Outfit(*worn)), "image/svg+xml");
        return;
    }
    const std::string_view file = rest.empty() ? "index.html" : rest;
    if (const WebAsset* asset = FindWebAsset(file)) {
        response.set_header("Cache-Control", "no-cache");
        response.set_content(std::string(asset->bytes), std::string(ContentTypeOf(file)));
        return;
    }
    SendNotFound(response);
}

}  // namespace pageserver
