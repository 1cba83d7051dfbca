#include "actions/keyword_actions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "actions/refresh.h"
#include "app/addresses.h"
#include "app/controls.h"
#include "tests/support/app_run.h"
#include "tests/support/gbk.h"

namespace velloran {
namespace {

using testing::gbk;
using testing::TestPlatform;

// The program after its first harvest has shown `keywords`.
void withKeywords(const std::vector<std::string>& keywords, TestPlatform& platform,
                  const std::function<void(TestPlatform&)>& actions) {
    Text page;
    for (int i = 1; i <= 8; ++i) page += testing::itemRecord("shop.example/" + std::to_string(i));
    platform.request.body = testing::bytesOf(page);
    platform.session = [&](TestPlatform& window) {
        ASSERT_TRUE(testing::servedUntilLoads(window, 1));
        for (const std::string& keyword : keywords) window.reportTitle(gbk(keyword + "_淘宝搜索"));
        actions(window);
    };
    EXPECT_EQ(runApplication(platform), 0);
}

TEST(CopyKeyword, CopiesTheSelectedKeywordAndConfirms) {
    TestPlatform platform;
    withKeywords({"连衣裙", "毛衣"}, platform, [](TestPlatform& window) {
        window.selectItem(1);
        window.click(ControlId::按钮3);
    });
    EXPECT_EQ(platform.clipboard, std::vector<Text>{gbk("毛衣")});
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, gbk("复制OK"));
    EXPECT_EQ(platform.boxes[0].title, gbk("信息："));
    EXPECT_EQ(platform.boxes[0].style, boxStyle::ok | boxStyle::taskModal);
}

TEST(CopyKeyword, NothingSelectedCopiesTheEmptyTextAndStillConfirms) {
    TestPlatform platform;
    withKeywords({"连衣裙"}, platform, [](TestPlatform& window) { window.click(ControlId::按钮3); });
    EXPECT_EQ(platform.clipboard, std::vector<Text>{Text()});
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, gbk("复制OK"));
}

TEST(CopyKeyword, AClipboardHeldElsewhereShowsNothing) {
    TestPlatform platform;
    platform.clipboardAnswers = [](const Text&) { return false; };
    withKeywords({"连衣裙"}, platform, [](TestPlatform& window) {
        window.selectItem(0);
        window.click(ControlId::按钮3);
    });
    EXPECT_TRUE(platform.clipboard.empty());
    EXPECT_TRUE(platform.boxes.empty());
}

TEST(CopyKeyword, TheBoxKeepsServingTitlesAndWorkers) {
    TestPlatform platform;
    std::size_t keywordsWhileOpen = 0;
    platform.answerBox = [&](const testing::RecordedBox&) {
        platform.reportTitle(gbk("新款_淘宝搜索"));
        keywordsWhileOpen = platform.shownList.size();
        return 1;
    };
    withKeywords({"连衣裙"}, platform, [](TestPlatform& window) { window.click(ControlId::按钮3); });
    EXPECT_EQ(keywordsWhileOpen, 2u);
}

TEST(SearchKeyword, OpensTheSearchForTheSelectedKeyword) {
    struct SearchCase {
        const char* what;
        Text keyword;
        Text query;  // what follows the prefix
    };
    const SearchCase cases[] = {
        {"Chinese goes as its GBK bytes", gbk("连衣裙"), gbk("连衣裙")},
        {"nothing selected: an empty q", Text(), Text()},
        {"bytes that would change the query are encoded", makeText("a&b=c#d e+f%g\"h<i>j"),
         makeText("a%26b=c%23d%20e%2Bf%25g%22h%3Ci%3Ej")},
        {"control bytes and DEL", Text("x\ty\x7Fz\x01"), makeText("x%09y%7Fz%01")},
        {"everything else stays", makeText("A-z_0.9~/?=:;,'!*()[]"), makeText("A-z_0.9~/?=:;,'!*()[]")},
        {"GBK second bytes are never touched", gbk("丂"), Text("\x81\x40")},
    };
    for (const SearchCase& c : cases) {
        EXPECT_EQ(searchAddressFor(c.keyword), concatText(makeText(searchAddressPrefix), c.query)) << c.what;
    }
    EXPECT_EQ(textLength(makeText(searchAddressPrefix)), 19 + 82);

    TestPlatform platform;
    withKeywords({"连衣裙", "毛衣"}, platform, [](TestPlatform& window) {
        window.click(ControlId::按钮4);
        window.selectItem(0);
        window.click(ControlId::按钮4);
    });
    ASSERT_EQ(platform.shellOpens.size(), 4u);
    EXPECT_EQ(platform.shellOpens[2], makeText(searchAddressPrefix));
    EXPECT_EQ(platform.shellOpens[3], concatText(makeText(searchAddressPrefix), gbk("连衣裙")));
    EXPECT_EQ(platform.shellOwnerTitles[3], makeText("Microsoft Internet Explorer"));
}

TEST(OpenShopPage, OpensTheShopFrontPage) {
    TestPlatform platform;
    withKeywords({}, platform, [](TestPlatform& window) { window.click(ControlId::按钮1); });
    EXPECT_EQ(platform.shellOpens,
              (std::vector<Text>{makeText(favouritesPageAddress), makeText(shopPageAddress), makeText(shopPageAddress)}));
}

TEST(Refresh, TheCheckBoxSwitchesATenMinuteTimer) {
    TestPlatform platform;
    withKeywords({}, platform, [](TestPlatform& window) {
        EXPECT_EQ(window.runningTimer, 0);
        window.clickCheckBox();
        EXPECT_EQ(window.runningTimer, 600000);
        window.clickCheckBox();
        EXPECT_EQ(window.runningTimer, 0);
        window.clickCheckBox();
        // A write of the period it already has keeps the running count.
        applyRefreshSetting();
        writeTimerPeriod(-5);
        writeTimerPeriod(-5);
        writeTimerPeriod(0);
    });
    EXPECT_EQ(platform.timerSettings, (std::vector<std::int32_t>{600000, 0, 600000, 0}));
}

TEST(Refresh, EveryTickStartsANewHarvestEvenWhileOneRuns) {
    TestPlatform platform;
    withKeywords({"连衣裙"}, platform, [](TestPlatform& window) {
        window.tickTimer();
        EXPECT_EQ(window.threadsStarted, 1) << "no tick while the box is unchecked";
        window.clickCheckBox();
        const std::size_t loadsBefore = window.navigations.size();
        window.tickTimer();
        window.tickTimer();
        EXPECT_EQ(window.threadsStarted, 3);
        ASSERT_TRUE(testing::servedUntilLoads(window, loadsBefore + 2));
        EXPECT_EQ(testing::itemLinks().size(), 24u);
    });
}

}  // namespace
}  // namespace velloran
