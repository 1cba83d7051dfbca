#include <gtest/gtest.h>

#include <cstdint>

#include "tests/support/gbk.h"
#include "tests/support/test_platform.h"
#include "text/fatal_error.h"
#include "text/text_list.h"

namespace velloran {
namespace {

using testing::gbk;
using testing::TestPlatform;

TEST(FatalErrorReport, NamesTheCodeUnlessZeroAndTheMessageUnlessEmpty) {
    struct ReportCase {
        std::int32_t code;
        const char* message;
        const char* expected;
    };
    const ReportCase cases[] = {
        {0, "载入启动窗口失败", "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"},
        {1, "数组成员引用下标超出定义范围", "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n"},
        {4, "数组成员引用下标必须大于等于1", "运行时出错!\r\n\r\n错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1\r\n"},
        {0, "", "运行时出错!\r\n\r\n"},
        {-7, "", "运行时出错!\r\n\r\n错误代码：-7\r\n\r\n"},
    };
    for (const ReportCase& c : cases) {
        EXPECT_EQ(fatalErrorReport(c.code, gbk(c.message)), gbk(c.expected)) << c.code;
    }
}

TEST(TextList, AppendsCopiesAndNumbersFromOne) {
    TextList list;
    EXPECT_EQ(listCount(list), 0);
    Text link = makeText("a.example/1");
    listAppend(list, link);
    listAppend(list, Text());
    link = makeText("changed");
    EXPECT_EQ(listCount(list), 2);
    EXPECT_EQ(listAt(list, 1), makeText("a.example/1"));
    EXPECT_EQ(listAt(list, 2), Text());
}

// The run ends in the stop box and exit code -1 (255 to the parent).
class FatalErrorDeathTest : public ::testing::Test {
protected:
    void SetUp() override {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        setHost(&platform);
    }
    TestPlatform platform;
};

TEST_F(FatalErrorDeathTest, ElementPastTheCountEndsWithCodeOne) {
    TextList list;
    EXPECT_EXIT(listAt(list, 1), ::testing::ExitedWithCode(255),
                "box \\[错误\\] 运行时出错!\\\\r\\\\n\\\\r\\\\n错误代码：1\\\\r\\\\n\\\\r\\\\n"
                "错误信息：数组成员引用下标超出定义范围\\\\r\\\\n");
}

TEST_F(FatalErrorDeathTest, ElementBelowOneEndsWithCodeFourEvenOnAnEmptyList) {
    TextList list;
    EXPECT_EXIT(listAt(list, 0), ::testing::ExitedWithCode(255), "错误代码：4.*数组成员引用下标必须大于等于1");
    listAppend(list, Text());
    EXPECT_EXIT(listAt(list, -3), ::testing::ExitedWithCode(255), "错误代码：4");
}

TEST_F(FatalErrorDeathTest, TheBoxHasTheStopIconAndEndsTheRunFromAWorkerToo) {
    EXPECT_EXIT(
        {
            std::thread worker([] { fatalError(1, makeText("x")); });
            worker.join();
        },
        ::testing::ExitedWithCode(255), "box \\[错误\\]");
    platform.answerBox = [](const testing::RecordedBox& box) {
        std::fprintf(stderr, "style %u\n", box.style);
        return 1;
    };
    EXPECT_EXIT(fatalError(0, Text()), ::testing::ExitedWithCode(255), "style 8208");  // stop icon, task-modal
}

TEST_F(FatalErrorDeathTest, MemoryThatCannotBeHadEndsWithCodeZeroAndTheSize) {
    EXPECT_EXIT(allocateTextMemory(std::size_t(1) << 62), ::testing::ExitedWithCode(255),
                "运行时出错!\\\\r\\\\n\\\\r\\\\n错误信息：分配 4611686018427387904 字节内存失败!\\\\r\\\\n");
}

}  // namespace
}  // namespace velloran
