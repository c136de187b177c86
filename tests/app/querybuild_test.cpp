// tools/querybuild: the panel's JSON form, and the program's answers and exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>

#include "tools/querybuild/panel_json.h"

using namespace querybuild;

namespace {

TEST(PanelJson, ReadsEveryFieldAndDefaultsTheRest) {
    const PanelReading reading = ReadPanelJson(
        R"({"keyword": "裙 子", "category": 1, "priceLow": "300", "priceHigh": "x", "location": 62, "sort": 4,
            "creditLow": 3, "creditHigh": 2, "services": ["gu", "oi", "gu"]})");
    ASSERT_TRUE(reading.panel) << reading.error;
    app::PanelState expected;
    expected.keyword = "裙 子";
    expected.category = 1;
    expected.priceLow = "300";
    expected.priceHigh = "x";
    expected.location = 62;
    expected.sort = 4;
    expected.creditLow = 3;
    expected.creditHigh = 2;
    expected.services = {app::Service::ConsumerProtection, app::Service::OverseasGoods};
    EXPECT_EQ(*reading.panel, expected);

    const PanelReading empty = ReadPanelJson("{}");
    ASSERT_TRUE(empty.panel);
    EXPECT_EQ(*empty.panel, app::PanelState{});
}

TEST(PanelJson, RefusesWhatIsNotAPanelWithOneLineSayingWhy) {
    struct Case {
        const char* input;
        const char* error;  // the start of the message
    } cases[] = {
        {"", "bad JSON: parse error at line 1, column 1"},
        {"{\"keyword\": \"a\"", "bad JSON:"},
        {"{} {}", "bad JSON:"},
        {"[]", "the panel state must be one JSON object, not a list"},
        {"\"k=\"", "the panel state must be one JSON object, not a string"},
        {R"({"keyword": 5})", "keyword must be a string, not the number 5"},
        {R"({"priceLow": 100})", "priceLow must be a string, not the number 100"},
        {R"({"category": "1"})", "category must be a list position from 0 to 25, not a string"},
        {R"({"category": 1.0})", "category must be a list position from 0 to 25, not the number 1.0"},
        {R"({"category": true})", "category must be a list position from 0 to 25, not a boolean"},
        {R"({"category": 26})", "category must be a list position from 0 to 25, not 26"},
        {R"({"location": 63})", "location must be a list position from 0 to 62, not 63"},
        {R"({"sort": -1})", "sort must be a list position from 0 to 4, not -1"},
        {R"({"creditLow": 18446744073709551615})",
         "creditLow must be a list position from 0 to 19, not 18446744073709551615"},
        {R"({"creditHigh": -9223372036854775808})", "creditHigh must be a list position from 0 to 19"},
        {R"({"services": "co"})", "services must be a list of service names, not a string"},
        {R"({"services": ["co", "xx"]})",
         R"(services: "xx" is not a service name (oi, co, rd, sr, mall, or, gu))"},
        {R"({"services": [["co"]]})", "not a panel state: lists or objects nested too deeply"},
        {R"({"Keyword": ""})", R"(unknown field "Keyword")"},
        {R"({"keyword": "\udc00"})", "bad JSON:"},
        {"{\"keyword\": \"\xE8\xA3\"}", "bad JSON:"},
    };
    for (const Case& c : cases) {
        const PanelReading reading = ReadPanelJson(c.input);
        EXPECT_FALSE(reading.panel) << c.input;
        EXPECT_TRUE(reading.error.starts_with(c.error)) << c.input << "\n  gives: " << reading.error;
        EXPECT_EQ(reading.error.find('\n'), std::string::npos) << c.input;
    }
}

TEST(PanelJson, DeepNestingIsRefusedWithoutRecursingThroughIt) {
    EXPECT_FALSE(ReadPanelJson(std::string(200000, '[')).panel);
    EXPECT_FALSE(ReadPanelJson("{\"a\":" + std::string(200000, '{')).panel);
}

TEST(PanelJson, WritesTheQueryAndThePanelAfterTheSwaps) {
    app::PanelState panel;
    panel.keyword = "a b";
    panel.category = 1;
    panel.priceLow = "300";
    panel.priceHigh = "100";
    panel.services = {app::Service::Mall, app::Service::CashOnDelivery};
    EXPECT_EQ(
        WriteBuiltQueryJson(app::BuildQuery(panel)),
        R"({"query":"k=%61%20%62&cid=50010850&sp=100&ep=300&area=&s=commissionVolume_desc&sc=1heart&ec=5goldencrown&co=true&mall=true",)"
        R"("panel":{"keyword":"a b","category":1,"priceLow":"100","priceHigh":"300","location":0,"sort":0,)"
        R"("creditLow":0,"creditHigh":19,"services":["co","mall"]}})");
}

// --- the program ---------------------------------------------------------------------------------

struct ProgramRun {
    int status;
    std::string out;
    std::string err;
};

ProgramRun RunQuerybuild(const std::string& input, const std::string& arguments = "") {
    const std::string dir = testing::TempDir();
    const std::string in = dir + "qb_in", out = dir + "qb_out", err = dir + "qb_err";
    std::ofstream(in, std::ios::binary) << input;
    const std::string command =
        std::string(std::getenv("QUERYBUILD")) + " " + arguments + " <" + in + " >" + out + " 2>" + err;
    const int status = std::system(command.c_str());
    auto slurp = [](const std::string& path) {
        std::ifstream f(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    };
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(out), slurp(err)};
}

TEST(QuerybuildProgram, AnswersWithOneJsonObject) {
    const ProgramRun run = RunQuerybuild(R"({"category": 2, "sort": 1})");
    EXPECT_EQ(run.status, 0) << run.err;
    const auto answer = nlohmann::json::parse(run.out);
    EXPECT_EQ(answer["query"],
              "k=&cid=50000671&sp=0&ep=99999999&area=&s=price_asc&sc=1heart&ec=5goldencrown");
    EXPECT_EQ(answer["panel"]["sort"], 1);
    EXPECT_TRUE(run.err.empty());
}

TEST(QuerybuildProgram, ExitStatusSaysWhatWentWrong) {
    struct Case {
        const char* input;
        const char* arguments;
        int status;
        const char* err;
    } cases[] = {
        {"{", "", 1, "querybuild: bad JSON:"},
        {R"({"category": 99})", "", 1, "querybuild: category must be a list position"},
        {"{}", "--pretty", 2, "querybuild: unexpected argument \"--pretty\""},
        {"{}", "--help", 0, ""},
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunQuerybuild(c.input, c.arguments);
        EXPECT_EQ(run.status, c.status) << c.input << " " << c.arguments;
        EXPECT_TRUE(run.err.starts_with(c.err)) << run.err;
        if (c.status != 0) {
            EXPECT_TRUE(run.out.empty());
        }
    }
    const ProgramRun huge = RunQuerybuild(std::string(2 << 20, ' '));
    EXPECT_EQ(huge.status, 1);
    EXPECT_NE(huge.err.find("larger than"), std::string::npos);
}

}  // namespace
