#include "fetch/fetch_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "tests/support/gbk.h"
#include "tests/support/test_platform.h"

namespace velloran {
namespace {

using testing::TestPlatform;

class FetchPage : public ::testing::Test {
protected:
    void SetUp() override { setHost(&platform); }
    TestPlatform platform;
};

TEST_F(FetchPage, MakesOneSynchronousGetAndKeepsTheBodyBytesUnchanged) {
    platform.request.body = {0xC5, 0xAE, 0xD7, 0xB0, '<', 0xE4, 0xB8, 0xAD, 0xFF};
    const Text page = fetchPage(makeText("http://127.0.0.1/channel"));
    EXPECT_EQ(page, Text("\xC5\xAE\xD7\xB0<\xE4\xB8\xAD\xFF"));
    EXPECT_EQ(platform.requestCalls, (std::vector<std::string>{"create MSXML2.XMLHTTP",
                                                               "open GET http://127.0.0.1/channel false", "send",
                                                               "responseBody"}));
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(FetchPage, FallsBackToTheSecondProgIdSilently) {
    platform.request.creatable = {"Microsoft.XMLHTTP"};
    platform.request.body = {'o', 'k'};
    EXPECT_EQ(fetchPage(makeText("http://127.0.0.1/")), makeText("ok"));
    EXPECT_EQ(platform.requestCalls[0], "cannot create MSXML2.XMLHTTP");
    EXPECT_EQ(platform.requestCalls[1], "create Microsoft.XMLHTTP");
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(FetchPage, NoObjectAtAllShowsTheFailureBoxAndMakesNoRequest) {
    platform.request.creatable.clear();
    EXPECT_EQ(fetchPage(makeText("http://127.0.0.1/")), Text());
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, testing::gbk("创建对象失败！"));
    EXPECT_EQ(platform.boxes[0].title, testing::gbk("错误"));
    EXPECT_EQ(platform.boxes[0].style, boxStyle::iconInformation | boxStyle::taskModal);
    EXPECT_EQ(platform.requestCalls,
              (std::vector<std::string>{"cannot create MSXML2.XMLHTTP", "cannot create Microsoft.XMLHTTP"}));
}

TEST_F(FetchPage, BodiesThatGiveTheNullText) {
    struct BodyCase {
        const char* what;
        bool hasBody;
        std::vector<unsigned char> body;
        Text expected;
    };
    const BodyCase cases[] = {
        {"unreachable server: no body", false, {}, Text()},
        {"empty body", true, {}, Text()},
        {"16-bit page: cut at the first NUL", true, {'<', 0, 'h', 0}, makeText("<")},
        {"leading NUL", true, {0, 'a', 'b'}, Text()},
        {"error page body counts like any other", true, {'4', '0', '4'}, makeText("404")},
    };
    for (const BodyCase& c : cases) {
        platform.request.hasBody = c.hasBody;
        platform.request.body = c.body;
        EXPECT_EQ(fetchPage(makeText("http://127.0.0.1/")), c.expected) << c.what;
    }
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(FetchPage, AnEmptyAddressIsPassedAsItIs) {
    platform.request.hasBody = false;
    EXPECT_EQ(fetchPage(Text()), Text());
    EXPECT_EQ(platform.requestCalls[1], "open GET  false");
    EXPECT_TRUE(platform.boxes.empty());
}

}  // namespace
}  // namespace velloran
