// The page server over loopback, in-process on a free port: its pages, its searches, and hostile
// requests that must get an answer while the server stays up.
#include "pageserver/server.h"

#include <gtest/gtest.h>

#include <mutex>
#include <nlohmann/json.hpp>
#include <thread>

#include "app/query_builder.h"
#include "pageserver/search.h"

using namespace pageserver;
using nlohmann::json;

namespace {

class PageServerTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        server_ = new PageServer(SampleCatalogue());
        ASSERT_TRUE(server_->Bind("127.0.0.1", 0));
        thread_ = new std::thread([] { server_->Run(); });
        while (!server_->Running()) {
            std::this_thread::yield();
        }
    }
    static void TearDownTestSuite() {
        server_->Stop();
        thread_->join();
        delete thread_;
        delete server_;
    }
    httplib::Client Client() const {
        httplib::Client client("127.0.0.1", server_->Port());
        client.set_read_timeout(10);
        return client;
    }
    static json Body(const httplib::Result& result) { return json::parse(result->body); }

    static PageServer* server_;
    static std::thread* thread_;
};

PageServer* PageServerTest::server_ = nullptr;
std::thread* PageServerTest::thread_ = nullptr;

TEST_F(PageServerTest, ServesTheHomePageTheFittingRoomAndTheirFiles) {
    struct Case {
        const char* path;
        const char* type;
        const char* contains;
    } cases[] = {
        {"/qrwk/", "text/html; charset=utf-8", "pages.js"},
        {"/qrwk/index.html", "text/html; charset=utf-8", "欢迎光临"},
        {"/qrwk/pages.js", "text/javascript; charset=utf-8", "function SoItem(query, pageNumber)"},
        {"/qrwk/shop.js", "text/javascript; charset=utf-8", "window.DelPage"},
        {"/qrwk/shop.css", "text/css; charset=utf-8", ".card"},
        {"/qrwk/syj.html", "text/html; charset=utf-8", "试衣间"},
        {"/qrwk/img/1.svg", "image/svg+xml", "<svg"},
        {"/qrwk/fit.svg?wear=1,2", "image/svg+xml", "<svg"},
        {"/qrwk/api/categories", "application/json; charset=utf-8", "连衣裙"},
    };
    auto client = Client();
    for (const Case& c : cases) {
        const auto result = client.Get(c.path);
        ASSERT_TRUE(result) << c.path;
        EXPECT_EQ(result->status, 200) << c.path;
        EXPECT_EQ(result->get_header_value("Content-Type"), c.type) << c.path;
        EXPECT_NE(result->body.find(c.contains), std::string::npos) << c.path;
    }
    const auto root = client.Get("/");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->status, 302);
    EXPECT_EQ(root->get_header_value("Location"), "/qrwk/");
}

TEST_F(PageServerTest, AnswersTheBuildersQueriesAsTheSearchDoes) {
    app::PanelState panel;
    panel.keyword = "裙";
    panel.category = 1;
    panel.priceLow = "300";
    panel.priceHigh = "50";
    panel.services = {app::Service::SevenDayReturn};
    const std::string query = app::BuildQuery(panel).query;
    const auto expected = Search(SampleCatalogue(), *ReadSearchQuery(query).query);
    ASSERT_FALSE(expected.empty());

    auto client = Client();
    const auto posted = client.Post("/qrwk/api/search", query, "text/plain; charset=utf-8");
    const auto got = client.Get(("/qrwk/api/search?" + query).c_str());
    for (const auto* result : {&posted, &got}) {
        ASSERT_TRUE(*result);
        EXPECT_EQ((*result)->status, 200);
        const json body = Body(*result);
        EXPECT_TRUE(body["ok"]);
        EXPECT_EQ(body["query"], query);
        EXPECT_EQ(body["total"], expected.size());
        ASSERT_EQ(body["items"].size(), expected.size());
        EXPECT_EQ(body["items"][0]["id"], expected[0]->id);
        EXPECT_EQ(body["summary"]["keyword"], "裙");
        EXPECT_EQ(body["summary"]["category"], "连衣裙");
        EXPECT_EQ(body["summary"]["price"], "50 - 300 元");
        EXPECT_EQ(body["summary"]["services"], json::array({"七天退换"}));
    }
    const json item = Body(posted)["items"][0];
    for (const char* field :
         {"title", "price", "location", "credit", "services", "sales", "picture", "shop"}) {
        EXPECT_TRUE(item.contains(field)) << field;
    }
}

TEST_F(PageServerTest, RefusedQueriesGetAnEmptyPageWithAMessage) {
    const std::string hostile[] = {
        "k=%ZZ",
        "k=%E8%A3",
        "k=1&k=2",
        "k=&sp=-99999999999999999999",
        "k=&ep=" + std::string(20000, '9'),
        "k=&cid=1622&cid=1622",
        "k=\xC0\xAF&\xFF=\x01",
        "k=" + std::string(40000, 'a'),
    };
    auto client = Client();
    for (const std::string& query : hostile) {
        const auto result = client.Post("/qrwk/api/search", query, "text/plain");
        ASSERT_TRUE(result) << query.substr(0, 40);
        EXPECT_EQ(result->status, 400) << query.substr(0, 40);
        const json body = Body(result);  // well-formed JSON whatever came in
        EXPECT_FALSE(body["ok"]);
        EXPECT_TRUE(body["items"].empty());
        EXPECT_TRUE(body["message"].get<std::string>().starts_with("查询格式有误：")) << body["message"];
        EXPECT_LE(body["query"].get<std::string>().size(), 310u) << "long queries are not echoed whole";
    }
    const auto nothing = client.Post("/qrwk/api/search", "k=%E7%81%AB%E6%98%9F", "text/plain");  // 火星
    ASSERT_TRUE(nothing);
    EXPECT_EQ(nothing->status, 200);
    EXPECT_EQ(Body(nothing)["total"], 0);
    EXPECT_FALSE(Body(nothing)["message"].get<std::string>().empty());
}

TEST_F(PageServerTest, HostileRequestsGetAnAnswerAndTheServerStaysUp) {
    auto client = Client();
    struct Case {
        std::string path;
        int status;
    } cases[] = {
        {"/qrwk/img/0.svg", 404},
        {"/qrwk/img/999999999999999999999.svg", 404},
        {"/qrwk/img/-1.svg", 404},
        {"/qrwk/img/.svg", 404},
        {"/qrwk/fit.svg?wear=a", 400},
        {"/qrwk/fit.svg?wear=1,2,3,4,5,6,7,8,9", 400},
        {"/qrwk/api/outfit?wear=1,", 400},
        {"/qrwk/nothing.html", 404},
        {"/etc/passwd", 404},
        {"/qrwk/../../etc/passwd", 404},
        {"/qrwk/img/" + std::string(7000, '1') + ".svg", 404},
        {"/qrwk/" + std::string(9000, 'a'), 414},
    };
    for (const Case& c : cases) {
        const auto result = client.Get(c.path.c_str());
        ASSERT_TRUE(result) << c.path.substr(0, 60);
        EXPECT_EQ(result->status, c.status) << c.path.substr(0, 60);
    }
    const auto big = client.Post("/qrwk/api/search", std::string(2 << 20, 'k'), "text/plain");
    ASSERT_TRUE(big);
    EXPECT_EQ(big->status, 413);
    const auto put = client.Put("/qrwk/", "x", "text/plain");
    ASSERT_TRUE(put);
    EXPECT_EQ(put->status, 405);

    const auto still = Client().Get("/qrwk/");
    ASSERT_TRUE(still);
    EXPECT_EQ(still->status, 200);
}

TEST_F(PageServerTest, OutfitsReplaceWhatANewGarmentCovers) {
    // Ids 1 to 25 are the first item of each category: 1 a dress, 2 a T-shirt, 4 trousers, 11 a jacket.
    const auto outfit = Body(Client().Get("/qrwk/api/outfit?wear=2,4,11,1"));
    std::vector<int> ids;
    for (const json& item : outfit["items"]) {
        ids.push_back(item["id"]);
    }
    EXPECT_EQ(ids, (std::vector<int>{1, 11})) << "the dress takes off top and trousers; the jacket stays on";
}

TEST(PageServerBinding, ListensOnLoopbackOnly) {
    struct Case {
        const char* host;
        bool loopback;
    } cases[] = {
        {"127.0.0.1", true},
        {"127.1.2.3", true},
        {"localhost", true},
        {"::1", true},
        {"[::1]", true},
        {"0.0.0.0", false},
        {"", false},
        {"128.0.0.1", false},
        {"::", false},
        {"127.0.0.1.5", false},
        {"example.com", false},
        {"10.0.0.1", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsLoopbackHost(c.host), c.loopback) << c.host;
    }
    PageServer server(SampleCatalogue());
    EXPECT_FALSE(server.Bind("0.0.0.0", 0));
    EXPECT_FALSE(server.Bind("127.0.0.1", 70000));
}

}  // namespace

namespace {

TEST(PageServerObserver, SeesEveryRequestWithItsBodyBeforeItIsAnswered) {
    std::mutex lock;
    std::vector<std::string> seen;
    PageServer server(SampleCatalogue());
    server.SetRequestObserver([&](const httplib::Request& request) {
        std::lock_guard<std::mutex> hold(lock);
        seen.push_back(request.method + " " + request.path + " " + request.body);
    });
    ASSERT_TRUE(server.Bind("127.0.0.1", 0));
    std::thread serving([&] { server.Run(); });
    while (!server.Running()) {
        std::this_thread::yield();
    }
    httplib::Client client("127.0.0.1", server.Port());
    EXPECT_TRUE(client.Get("/qrwk/"));
    EXPECT_TRUE(client.Post("/qrwk/api/search", "k=%61&sp=0", "text/plain"));
    EXPECT_TRUE(client.Get("/nowhere"));
    server.Stop();
    serving.join();
    EXPECT_EQ(seen,
              (std::vector<std::string>{"GET /qrwk/ ", "POST /qrwk/api/search k=%61&sp=0", "GET /nowhere "}));
}

}  // namespace
