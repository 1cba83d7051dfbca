#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/addresses.h"
#include "app/controls.h"
#include "app/workers.h"
#include "tests/support/app_run.h"
#include "tests/support/gbk.h"

namespace velloran {
namespace {

using testing::TestPlatform;

TEST(StartUp, RunsTheCreatedSequenceBeforeShowingTheWindowEvenWithNoPage) {
    TestPlatform platform;
    platform.request.hasBody = false;
    bool visibleDuringLoop = false;
    platform.session = [&](TestPlatform& window) {
        visibleDuringLoop = window.visible;
        EXPECT_TRUE(testing::servedUntilLoads(window, 1));
        EXPECT_EQ(readFieldText(ControlId::编辑框1), Text());
    };
    EXPECT_EQ(runApplication(platform), 0);

    const std::vector<std::string> expected = {
        "prepareProcess",
        "createMainWindow",
        "request MSXML2.XMLHTTP",
        std::string("shellOpen ") + favouritesPageAddress,
        std::string("shellOpen ") + shopPageAddress,
        "startThread",
        "showMainWindow",
        "runMessageLoop",
        "windowDestroying",
        "cleanUpProcess",
    };
    EXPECT_EQ(platform.calls, expected);
    EXPECT_TRUE(visibleDuringLoop);
    EXPECT_TRUE(platform.timerSettings.empty()) << "the box starts unchecked, so the timer stays off";
    EXPECT_EQ(platform.requestCalls,
              (std::vector<std::string>{"create MSXML2.XMLHTTP", "open GET " + std::string(sourcePageAddress) + " false",
                                        "send", "responseBody"}));
    // An empty page store gives eight null links: the view is asked for the empty address.
    EXPECT_EQ(platform.navigations, std::vector<Text>{Text()});
}

TEST(StartUp, TheFailureBoxComesWhileTheWindowIsStillHidden) {
    TestPlatform platform;
    platform.request.creatable.clear();
    std::vector<bool> visibleAtBox;
    platform.answerBox = [&](const testing::RecordedBox&) {
        visibleAtBox.push_back(platform.visible);
        return 1;
    };
    EXPECT_EQ(runApplication(platform), 0);
    EXPECT_EQ(visibleAtBox, std::vector<bool>{false});
    EXPECT_EQ(platform.shellOpens.size(), 2u);
    EXPECT_EQ(platform.threadsStarted, 1);
}

TEST(StartUp, AWindowThatCannotBeCreatedIsFatal) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TestPlatform platform;
    platform.windowFails = true;
    EXPECT_EXIT(runApplication(platform), ::testing::ExitedWithCode(255),
                "box \\[错误\\] 运行时出错!\\\\r\\\\n\\\\r\\\\n错误信息：载入启动窗口失败\\\\r\\\\n");
}

TEST(StartUp, NoThreadMeansNoHarvestAndNoWorker) {
    TestPlatform platform;
    platform.threadsFail = true;
    platform.session = [](TestPlatform& window) {
        window.serve();
        EXPECT_EQ(state.workerThread, nullptr);
        window.click(ControlId::按钮);
        EXPECT_EQ(state.workerThread, nullptr);
    };
    EXPECT_EQ(runApplication(platform), 0);
    EXPECT_TRUE(platform.navigations.empty());
}

TEST(AddressField, AnEditChangesTheSourceAddressAndNothingElse) {
    TestPlatform platform;
    platform.session = [](TestPlatform& window) {
        ASSERT_TRUE(testing::servedUntilLoads(window, 1));
        const std::size_t requests = window.requestCalls.size();
        const int threads = window.threadsStarted;
        window.userEdits(ControlId::编辑框5, makeText("http://127.0.0.1/other"));
        EXPECT_EQ(state.sourceAddress, makeText("http://127.0.0.1/other"));
        EXPECT_EQ(readFieldText(ControlId::编辑框5), makeText("http://127.0.0.1/other"));
        EXPECT_EQ(window.requestCalls.size(), requests);
        EXPECT_EQ(window.threadsStarted, threads);
    };
    EXPECT_EQ(runApplication(platform), 0);
}

TEST(Harvests, TwoQuickClicksStartTwoWorkersAndTheNewestIsKnown) {
    TestPlatform platform;
    platform.session = [](TestPlatform& window) {
        window.click(ControlId::按钮);
        const Worker* first = state.workerThread.get();
        window.click(ControlId::按钮);
        const Worker* second = state.workerThread.get();
        EXPECT_EQ(window.threadsStarted, 3);
        EXPECT_NE(first, nullptr);
        EXPECT_NE(second, nullptr);
        EXPECT_NE(first, second);
        EXPECT_TRUE(testing::servedUntilLoads(window, 3));
        EXPECT_EQ(testing::itemLinks().size(), 24u);
    };
    EXPECT_EQ(runApplication(platform), 0);
}

// The worker makes five requests a pass (four reads, one write), then the
// clear. Closing while request served+1 waits must end it there.
TEST(Closing, AWorkerWaitingOnTheWindowTakesNoFurtherStep) {
    Text page;
    for (int i = 1; i <= 8; ++i) page += testing::itemRecord("shop.example/item/" + std::to_string(i));
    for (const int served : {0, 1, 3, 5, 8, 23, 40}) {
        TestPlatform platform;
        platform.request.body = testing::bytesOf(page);
        platform.session = [&](TestPlatform& window) {
            for (int i = 0; i < served; ++i) {
                ASSERT_TRUE(window.waitForRequest());
                ASSERT_TRUE(window.serveOne());
            }
            ASSERT_TRUE(window.waitForRequest());
            window.close();
            joinAllWorkers();
            const int passesRead = served >= 3 ? (served - 3) / 5 + 1 : 0;
            EXPECT_EQ(testing::itemLinks().size(), static_cast<std::size_t>(std::min(passesRead, 8))) << served;
            EXPECT_EQ(window.queuedRequests(), 0u);
        };
        EXPECT_EQ(runApplication(platform), 0) << served;
        EXPECT_TRUE(platform.navigations.empty()) << served;
        EXPECT_EQ(platform.shownList.size(), 1u) << "the list was never cleared, " << served;
    }
}

TEST(Closing, AfterTheWorkerHasEndedTheExitRunsAsUsual) {
    TestPlatform platform;
    platform.session = [](TestPlatform& window) {
        ASSERT_TRUE(testing::servedUntilLoads(window, 1));
        ASSERT_TRUE(window.serveUntil([] { return state.workerThread->finished.load(); }));
    };
    EXPECT_EQ(runApplication(platform), 0);
    EXPECT_TRUE(platform.cleanedUp);
}

TEST(Closing, EarlierWorkersAreStoppedWithTheWindowToo) {
    TestPlatform platform;
    platform.session = [](TestPlatform& window) {
        window.click(ControlId::按钮);
        window.click(ControlId::按钮);
        ASSERT_TRUE(window.waitForRequest());
        window.close();
        joinAllWorkers();
        EXPECT_TRUE(testing::itemLinks().empty());
    };
    EXPECT_EQ(runApplication(platform), 0);
    EXPECT_TRUE(platform.navigations.empty());
}

TEST(ReleaseState, ReleasesEveryLinkOfEveryHarvest) {
    Text page;
    for (int i = 1; i <= 20; ++i) page += testing::itemRecord("shop.example/a-long-item-path/" + std::to_string(i));
    TestPlatform platform;
    platform.request.body = testing::bytesOf(page);
    platform.session = [](TestPlatform& window) {
        ASSERT_TRUE(testing::servedUntilLoads(window, 1));
        window.click(ControlId::按钮);
        ASSERT_TRUE(testing::servedUntilLoads(window, 2));
        window.reportTitle(testing::gbk("连衣裙_淘宝搜索"));
        EXPECT_EQ(testing::itemLinks().size(), 16u);
    };
    EXPECT_EQ(runApplication(platform), 0);
    EXPECT_TRUE(state.itemLinks.empty());
    EXPECT_EQ(state.itemLinks.capacity(), 0u);
    EXPECT_EQ(state.lastTitle, Text());
    EXPECT_EQ(state.sourceAddress, Text());
}

}  // namespace
}  // namespace velloran
