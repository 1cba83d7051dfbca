#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/controls.h"
#include "tests/support/app_run.h"
#include "tests/support/gbk.h"

namespace velloran {
namespace {

using testing::itemRecord;
using testing::TestPlatform;

const Text startMarker = makeText(literals::linkStartMarker);
const Text endMarker = makeText(literals::linkEndMarker);
const Text recordEnd = makeText(literals::recordEndMarker);

struct Harvest {
    std::vector<Text> links;
    Text pageStoreAfter;
    std::vector<Text> loads;
};

// Runs the program on `page` until its first harvest has loaded link 1,
// then starts `extraHarvests` more and waits for each.
Harvest harvest(const Text& page, int extraHarvests = 0) {
    TestPlatform platform;
    platform.request.body = testing::bytesOf(page);
    Harvest result;
    platform.session = [&](TestPlatform& window) {
        ASSERT_TRUE(testing::servedUntilLoads(window, 1));
        for (int i = 1; i <= extraHarvests; ++i) {
            window.click(ControlId::按钮);
            ASSERT_TRUE(testing::servedUntilLoads(window, 1u + i));
        }
        result.links = testing::itemLinks();
        result.pageStoreAfter = readFieldText(ControlId::编辑框1);
    };
    EXPECT_EQ(runApplication(platform), 0);
    result.loads = platform.navigations;
    return result;
}

std::vector<Text> nulls(int count) { return std::vector<Text>(static_cast<std::size_t>(count)); }

std::vector<Text> join(std::vector<Text> head, const std::vector<Text>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

TEST(ExtractItemLinks, TheWorkedExample) {
    const Text page = concatText(makeText("["), startMarker, makeText("L1"), endMarker, makeText("//P1"), recordEnd,
                                 makeText(","), startMarker, makeText("L2"), endMarker, makeText("//P2"), recordEnd,
                                 makeText("]"));
    ASSERT_EQ(textLength(page), 147);

    const Harvest first = harvest(page);
    EXPECT_EQ(first.links, join({makeText("L1"), makeText("L2")}, nulls(6)));
    EXPECT_EQ(first.pageStoreAfter, concatText(rightText(recordEnd, 26), makeText("]")));
    EXPECT_EQ(first.loads, std::vector<Text>{makeText("L1")});

    const Harvest twice = harvest(page, 1);
    EXPECT_EQ(twice.links, join(join({makeText("L1"), makeText("L2")}, nulls(6)), nulls(8)));
    EXPECT_EQ(twice.loads, (std::vector<Text>{makeText("L1"), makeText("L1")}));
}

TEST(ExtractItemLinks, EightOfManyRecordsInOrderAndTheStoreGoesOnFromTheEighth) {
    Text page;
    std::vector<Text> expected;
    for (int i = 1; i <= 12; ++i) {
        const std::string link = "127.0.0.1/item/" + std::to_string(i) + ".htm";
        page += itemRecord(link);
        if (i <= 8) expected.push_back(makeText(link.c_str()));
    }
    const Harvest first = harvest(page);
    EXPECT_EQ(first.links, expected);
    Text rest;
    for (int i = 9; i <= 12; ++i) rest += itemRecord("127.0.0.1/item/" + std::to_string(i) + ".htm");
    EXPECT_EQ(first.pageStoreAfter, concatText(rightText(recordEnd, 26), rest));

    // The next harvest cuts records 9 to 12, then nulls; the chain still starts at link 1.
    const Harvest second = harvest(page, 1);
    EXPECT_EQ(second.links[8], makeText("127.0.0.1/item/9.htm"));
    EXPECT_EQ(second.links[11], makeText("127.0.0.1/item/12.htm"));
    EXPECT_EQ(second.links[12], Text());
    EXPECT_EQ(second.loads.back(), makeText("127.0.0.1/item/1.htm"));
}

// One pass over P, by where the markers are; the link every pass appends.
TEST(ExtractItemLinks, MissingMarkers) {
    struct MarkerCase {
        const char* what;
        Text page;
        Text link;
    };
    const Text thirtyOne = makeText("0123456789012345678901234567890");  // 31 bytes
    const MarkerCase cases[] = {
        {"end marker right after the start marker", concatText(startMarker, endMarker, recordEnd), Text()},
        {"end marker before the start marker",
         concatText(makeText("x"), endMarker, startMarker, makeText("L1"), endMarker, recordEnd), Text()},
        {"no end marker", concatText(startMarker, makeText("L1"), recordEnd), Text()},
        {"no start marker, end marker at 32", concatText(thirtyOne, endMarker, recordEnd),
         makeText("8901234567890")},  // positions 19 to 31
        {"no start marker, end marker below 20", concatText(makeText("abc"), endMarker, recordEnd), Text()},
        {"neither marker", makeText("<html>no records</html>"), Text()},
        {"empty page", Text(), Text()},
    };
    for (const MarkerCase& c : cases) {
        const Harvest result = harvest(c.page);
        ASSERT_EQ(result.links.size(), 8u) << c.what;
        EXPECT_EQ(result.links[0], c.link) << c.what;
        EXPECT_EQ(result.loads, std::vector<Text>{c.link}) << c.what;
    }
}

TEST(ExtractItemLinks, WithoutARecordEndTheSameLinkComesEveryPass) {
    const Text page = concatText(startMarker, makeText("L1"), endMarker, makeText("//P1 no end"));
    const Harvest result = harvest(page);
    EXPECT_EQ(result.links, std::vector<Text>(8, makeText("L1")));
    EXPECT_EQ(result.pageStoreAfter, page);
}

TEST(ExtractItemLinks, UtfEightBytesBeforeARecordHideItsStartMarker) {
    const Text page = concatText(Text("\xE4\xB8\xAD"), itemRecord("L1"));
    const Harvest result = harvest(page);
    EXPECT_EQ(result.links[0], makeText("tp://L1"));
}

TEST(ExtractItemLinks, AHarvestDuringARunningChainResetsTheCountersAndClearsOnlyAfterItsPasses) {
    Text page;
    for (int i = 1; i <= 8; ++i) page += itemRecord("shop.example/" + std::to_string(i));
    TestPlatform platform;
    platform.request.body = testing::bytesOf(page);
    platform.session = [](TestPlatform& window) {
        ASSERT_TRUE(testing::servedUntilLoads(window, 1));
        for (int i = 1; i <= 5; ++i) window.reportTitle(testing::gbk("款式" + std::to_string(i) + "_淘宝搜索"));
        ASSERT_EQ(state.pageStep, 5);
        ASSERT_EQ(window.shownList.size(), 5u);

        const std::size_t loadsBefore = window.navigations.size();
        window.click(ControlId::按钮);
        // The counters drop before the worker's first request.
        ASSERT_TRUE(window.waitForRequest());
        EXPECT_EQ(state.pageStep, 0);
        EXPECT_EQ(state.titleCount, 0);
        // Serve the new worker's passes one request at a time: the list keeps
        // its keywords until the clear, which comes after the 40 pass requests.
        for (int request = 0; request < 40; ++request) {
            ASSERT_TRUE(window.waitForRequest());
            window.serveOne();
        }
        EXPECT_EQ(window.shownList.size(), 5u);
        ASSERT_TRUE(testing::servedUntilLoads(window, loadsBefore + 1));
        EXPECT_TRUE(window.shownList.empty());
        EXPECT_EQ(window.navigations.back(), makeText("shop.example/1"));
    };
    EXPECT_EQ(runApplication(platform), 0);
}

}  // namespace
}  // namespace velloran
