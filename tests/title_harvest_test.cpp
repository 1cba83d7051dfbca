#include "harvest/title_harvest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/app_run.h"
#include "tests/support/gbk.h"

namespace velloran {
namespace {

using testing::gbk;
using testing::TestPlatform;

Text link(int n) { return makeText(("shop.example/item/" + std::to_string(n)).c_str()); }

Text eightRecords() {
    Text page;
    for (int i = 1; i <= 8; ++i) page += testing::itemRecord("shop.example/item/" + std::to_string(i));
    return page;
}

// Runs the program on eight records; `titles` runs once the first harvest
// has loaded link 1.
void runHarvest(const std::function<void(TestPlatform&)>& titles, TestPlatform& platform) {
    platform.request.body = testing::bytesOf(eightRecords());
    platform.session = [&](TestPlatform& window) {
        ASSERT_TRUE(testing::servedUntilLoads(window, 1));
        titles(window);
    };
    EXPECT_EQ(runApplication(platform), 0);
}

TEST(TitleHarvest, TheWorkedTraceOfOneHarvest) {
    struct Step {
        const char* title;
        std::int32_t titleCount;
        const char* added;  // nullptr: nothing added
        std::int32_t pageStep;
        int load;  // 0: none
    };
    const Step trace[] = {
        {"连衣裙-女装/女士精品-女装市场-淘宝网", 1, "连衣裙", 1, 1},
        {"连衣裙-女装/女士精品-女装市场-淘宝网", 1, nullptr, 2, 2},
        {"毛衣_淘宝搜索", 2, "毛衣", 3, 3},
        {"牛仔裤-女装/女士精品-女装市场-淘宝网", 3, "牛仔裤", 4, 4},
        {"大衣_淘宝搜索", 4, "大衣", 5, 5},
        {"衬衫-女装/女士精品-女装市场-淘宝网", 5, "衬衫", 6, 6},
        {"半身裙_淘宝搜索", 6, "半身裙", 7, 7},
        {"开衫-女装/女士精品-女装市场-淘宝网", 7, "开衫", 8, 8},
        {"羽绒服_淘宝搜索", 8, "羽绒服", 9, 0},
    };
    TestPlatform platform;
    runHarvest(
        [&](TestPlatform& window) {
            std::vector<Text> keywords;
            for (const Step& step : trace) {
                const std::size_t loadsBefore = window.navigations.size();
                window.reportTitle(gbk(step.title));
                if (step.added) keywords.push_back(gbk(step.added));
                EXPECT_EQ(state.titleCount, step.titleCount) << step.title;
                EXPECT_EQ(state.pageStep, step.pageStep) << step.title;
                EXPECT_EQ(window.shownList, keywords) << step.title;
                if (step.load) {
                    ASSERT_EQ(window.navigations.size(), loadsBefore + 1) << step.title;
                    EXPECT_EQ(window.navigations.back(), link(step.load)) << step.title;
                } else {
                    EXPECT_EQ(window.navigations.size(), loadsBefore) << step.title;
                }
            }
        },
        platform);
    ASSERT_EQ(platform.navigations.size(), 9u);
    EXPECT_EQ(platform.navigations[0], link(1));
    EXPECT_EQ(platform.navigations[1], link(1));
}

TEST(TitleHarvest, NineNewTitlesAndThenNothing) {
    TestPlatform platform;
    runHarvest(
        [](TestPlatform& window) {
            for (int i = 1; i <= 9; ++i) window.reportTitle(gbk("款" + std::to_string(i) + "_淘宝搜索"));
            EXPECT_EQ(state.titleCount, 9);
            EXPECT_EQ(state.pageStep, 9);
            const std::size_t loads = window.navigations.size();
            window.reportTitle(gbk("又一个_淘宝搜索"));
            window.reportTitle(gbk("款9_淘宝搜索"));
            EXPECT_EQ(state.pageStep, 9) << "an ignored event changes nothing";
            EXPECT_EQ(window.navigations.size(), loads);
            EXPECT_EQ(window.shownList.size(), 9u);
            EXPECT_EQ(window.shownList.back(), gbk("款9"));
        },
        platform);
    EXPECT_EQ(platform.navigations.size(), 9u) << "link 1, then links 2 to 8 only";
}

TEST(TitleHarvest, HowATitleBecomesAKeyword) {
    struct TitleCase {
        const char* what;
        Text title;
        bool counted;
        bool added;
        Text keyword;
    };
    const TitleCase cases[] = {
        {"market suffix at the end", gbk("连衣裙-女装/女士精品-女装市场-淘宝网"), true, true, gbk("连衣裙")},
        {"search suffix at the end", gbk("毛衣_淘宝搜索"), true, true, gbk("毛衣")},
        {"exactly a suffix: an empty item", gbk("_淘宝搜索"), true, true, Text()},
        {"no suffix", gbk("淘宝网 - 淘！我喜欢"), true, false, Text()},
        {"suffix in the middle: the last 9 bytes go all the same", gbk("毛衣_淘宝搜索 (new)"),
         true, true, leftText(gbk("毛衣_淘宝搜索 (new)"), textLength(gbk("毛衣_淘宝搜索 (new)")) - 9)},
        {"both suffixes: cut by 30", gbk("裙_淘宝搜索-女装/女士精品-女装市场-淘宝网"), true, true,
         gbk("裙_淘宝搜索")},
        {"market suffix inside, search suffix at the end: still cut by 30",
         gbk("裙-女装/女士精品-女装市场-淘宝网_淘宝搜索"), true, true,
         leftText(gbk("裙-女装/女士精品-女装市场-淘宝网_淘宝搜索"), 2 + 30 + 9 - 30)},
        {"case matters", makeText("dress_TAOBAO"), true, false, Text()},
        {"an empty title after the null lastTitle is a repeat", Text(), false, false, Text()},
    };
    for (const TitleCase& c : cases) {
        TestPlatform platform;
        runHarvest(
            [&](TestPlatform& window) {
                window.reportTitle(c.title);
                EXPECT_EQ(state.titleCount, c.counted ? 1 : 0) << c.what;
                EXPECT_EQ(state.pageStep, 1) << c.what;
                if (c.added) {
                    EXPECT_EQ(window.shownList, std::vector<Text>{c.keyword}) << c.what;
                } else {
                    EXPECT_TRUE(window.shownList.empty()) << c.what;
                }
            },
            platform);
    }
}

TEST(TitleHarvest, TheLastTitleOfAHarvestIsARepeatInTheNext) {
    TestPlatform platform;
    runHarvest(
        [](TestPlatform& window) {
            window.reportTitle(gbk("连衣裙_淘宝搜索"));
            window.click(ControlId::按钮);
            ASSERT_TRUE(testing::servedUntilLoads(window, 3));
            window.reportTitle(gbk("连衣裙_淘宝搜索"));
            EXPECT_EQ(state.titleCount, 0);
            EXPECT_EQ(state.pageStep, 1);
            EXPECT_TRUE(window.shownList.empty());
            EXPECT_EQ(window.navigations.back(), link(1));
        },
        platform);
}

TEST(TitleHarvest, ATitleReportedFromInsideTheLoadFindsTheStateDone) {
    TestPlatform platform;
    std::vector<std::pair<std::int32_t, std::int32_t>> seenInsideLoads;  // pageStep, titleCount
    int depth = 0;
    platform.duringNavigate = [&](const Text& address) {
        if (state.pageStep == 0 || depth > 0) return;  // the worker's load of link 1
        ++depth;
        seenInsideLoads.emplace_back(state.pageStep.load(), state.titleCount.load());
        platform.reportTitle(concatText(address, makeText(literals::searchTitleSuffix)));
        --depth;
    };
    runHarvest(
        [](TestPlatform& window) {
            window.reportTitle(gbk("首页_淘宝搜索"));
            EXPECT_EQ(state.pageStep, 2);
            EXPECT_EQ(state.titleCount, 2);
            EXPECT_EQ(window.shownList, (std::vector<Text>{gbk("首页"), link(1)}));
        },
        platform);
    EXPECT_EQ(seenInsideLoads, (std::vector<std::pair<std::int32_t, std::int32_t>>{{1, 1}}));
}

}  // namespace
}  // namespace velloran
