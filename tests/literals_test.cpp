#include "text/literals.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/window_layout.h"
#include "tests/support/gbk.h"

namespace velloran {
namespace {

using testing::utf8;

struct Spelling {
    const char* gbkBytes;
    const char* spelling;  // UTF-8
    int length;            // bytes in GBK, where the program relies on it; 0 otherwise
};

namespace l = literals;

const Spelling spellings[] = {
    {l::windowCaption, "Velloran", 0},
    {l::shopButtonCaption, "现在就去选购商品", 0},
    {l::refreshCheckCaption, "实时更新", 0},
    {l::harvestButtonCaption, "获取关键词", 0},
    {l::searchButtonCaption, "查看同词宝贝", 0},
    {l::copyButtonCaption, "复制关键词", 0},
    {l::keywordListPlaceholder, "关键字获取列表...", 0},
    {l::speedLabelCaption, "读取速度:", 0},
    {l::promotionText, "欢迎光临Velloran女装小店！新款女装每天都上新，全场包邮，收藏本店即可领取优惠券。", 80},
    {l::informationText,
     "主页：http://www.velloran.example/\r\n"
     "店铺：http://velloran.taobao.com/\r\n"
     "旺旺：velloran\r\n"
     "QQ：velloran\r\n"
     "--------------------------------------------------\r\n"
     "软件说明：\r\n"
     "1. 本软件获取淘宝女装频道正在推广的热门关键词。\r\n"
     "2. 软件启动时自动获取8个关键词，无需任何设置。\r\n"
     "3. 勾选实时更新后，每10分钟自动重新获取一次。\r\n"
     "4. 任何时候都可点击获取关键词按钮手动获取。\r\n"
     "5. 淘宝更改页面规则后，本软件将无法工作。\r\n"
     "6. 经测试，关键词获取成功率约百分之九十。",
     438},
    {l::linkStartMarker, "{\"item_url\":\"http://", 20},
    {l::linkEndMarker, "\",\"item_pic\":\"http:", 19},
    {l::spareMarker8, "\"item_current_price\":\"\" } ", 26},
    {l::spareMarker9, "\"\",\"item_title\":\"", 17},
    {l::spareMarker10, "\",\"item_current_price", 21},
    {l::recordEndMarker, "\",\"item_current_price\":\"\" }", 27},
    {l::marketTitleSuffix, "-女装/女士精品-女装市场-淘宝网", 30},
    {l::searchTitleSuffix, "_淘宝搜索", 9},
    {l::copyConfirmation, "复制OK", 6},
    {l::informationTitle, "信息：", 6},
    {l::errorTitle, "错误", 0},
    {l::objectCreationFailed, "创建对象失败！", 0},
    {l::runtimeErrorHeading, "运行时出错!", 0},
    {l::errorCodeLabel, "错误代码：", 0},
    {l::errorMessageLabel, "错误信息：", 0},
    {l::indexBelowOne, "数组成员引用下标必须大于等于1", 0},
    {l::indexOutOfRange, "数组成员引用下标超出定义范围", 0},
    {l::allocationFailedFormat, "分配 %d 字节内存失败!", 0},
    {l::windowLoadFailed, "载入启动窗口失败", 0},
};

TEST(Literals, EachIsTheGbkOfItsSpellingWithTheLengthsThatMatter) {
    for (const Spelling& s : spellings) {
        EXPECT_EQ(utf8(makeText(s.gbkBytes)), s.spelling);
        if (s.length) {
            EXPECT_EQ(std::strlen(s.gbkBytes), static_cast<std::size_t>(s.length)) << s.spelling;
        }
    }
}

TEST(Literals, TheInformationLabelHasTwelveLines) {
    const std::string text = l::informationText;
    std::size_t breaks = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++breaks;
    EXPECT_EQ(breaks + 1, 12u);
}

TEST(WindowLayout, ControlsAreListedInTheirIdOrder) {
    const WindowLayout& layout = mainWindowLayout();
    for (int i = 0; i < controlCount; ++i) EXPECT_EQ(static_cast<int>(layout.controls[i].id), i) << layout.controls[i].name;
}

}  // namespace
}  // namespace velloran
