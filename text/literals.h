// Every text the program shows or matches, as GBK bytes (code page 936).
// The Chinese spelling stands beside each; tests/literals_test.cpp converts
// each one back to UTF-8 and compares it with that spelling.
// scripts/gbk-escape.py prints the escapes for a new text.
#pragma once

namespace velloran::literals {

// Window and control captions.
inline constexpr char windowCaption[] = "Velloran";
inline constexpr char shopButtonCaption[] = "\xCF\xD6\xD4\xDA\xBE\xCD\xC8\xA5\xD1\xA1\xB9\xBA\xC9\xCC\xC6\xB7";  // 现在就去选购商品
inline constexpr char refreshCheckCaption[] = "\xCA\xB5\xCA\xB1\xB8\xFC\xD0\xC2";  // 实时更新
inline constexpr char harvestButtonCaption[] = "\xBB\xF1\xC8\xA1\xB9\xD8\xBC\xFC\xB4\xCA";  // 获取关键词
inline constexpr char searchButtonCaption[] = "\xB2\xE9\xBF\xB4\xCD\xAC\xB4\xCA\xB1\xA6\xB1\xB4";  // 查看同词宝贝
inline constexpr char copyButtonCaption[] = "\xB8\xB4\xD6\xC6\xB9\xD8\xBC\xFC\xB4\xCA";  // 复制关键词
inline constexpr char keywordListPlaceholder[] = "\xB9\xD8\xBC\xFC\xD7\xD6\xBB\xF1\xC8\xA1\xC1\xD0\xB1\xED...";  // 关键字获取列表...
inline constexpr char speedLabelCaption[] = "\xB6\xC1\xC8\xA1\xCB\xD9\xB6\xC8:";  // 读取速度:

// 标签3: the shop's promotional sentence (80 bytes).
inline constexpr char promotionText[] =
    "\xBB\xB6\xD3\xAD\xB9\xE2\xC1\xD9Velloran\xC5\xAE\xD7\xB0\xD0\xA1\xB5\xEA\xA3\xA1\xD0\xC2\xBF\xEE\xC5\xAE\xD7\xB0"
    "\xC3\xBF\xCC\xEC\xB6\xBC\xC9\xCF\xD0\xC2\xA3\xAC\xC8\xAB\xB3\xA1\xB0\xFC\xD3\xCA\xA3\xAC\xCA\xD5\xB2\xD8\xB1\xBE"
    "\xB5\xEA\xBC\xB4\xBF\xC9\xC1\xEC\xC8\xA1\xD3\xC5\xBB\xDD\xC8\xAF\xA1\xA3";
// 欢迎光临Velloran女装小店！新款女装每天都上新，全场包邮，收藏本店即可领取优惠券。

// 标签2: the seller's contacts and what the tool does (438 bytes, 12 lines).
inline constexpr char informationText[] =
    "\xD6\xF7\xD2\xB3\xA3\xBAhttp://www.velloran.example/\r\n"  // 主页：http://www.velloran.example/
    "\xB5\xEA\xC6\xCC\xA3\xBAhttp://velloran.taobao.com/\r\n"   // 店铺：http://velloran.taobao.com/
    "\xCD\xFA\xCD\xFA\xA3\xBAvelloran\r\n"                      // 旺旺：velloran
    "QQ\xA3\xBAvelloran\r\n"                                    // QQ：velloran
    "--------------------------------------------------\r\n"
    "\xC8\xED\xBC\xFE\xCB\xB5\xC3\xF7\xA3\xBA\r\n"  // 软件说明：
    "1. \xB1\xBE\xC8\xED\xBC\xFE\xBB\xF1\xC8\xA1\xCC\xD4\xB1\xA6\xC5\xAE\xD7\xB0\xC6\xB5\xB5\xC0"
    "\xD5\xFD\xD4\xDA\xCD\xC6\xB9\xE3\xB5\xC4\xC8\xC8\xC3\xC5\xB9\xD8\xBC\xFC\xB4\xCA\xA1\xA3\r\n"
    // 1. 本软件获取淘宝女装频道正在推广的热门关键词。
    "2. \xC8\xED\xBC\xFE\xC6\xF4\xB6\xAF\xCA\xB1\xD7\xD4\xB6\xAF\xBB\xF1\xC8\xA1" "8\xB8\xF6\xB9"
    "\xD8\xBC\xFC\xB4\xCA\xA3\xAC\xCE\xDE\xD0\xE8\xC8\xCE\xBA\xCE\xC9\xE8\xD6\xC3\xA1\xA3\r\n"
    // 2. 软件启动时自动获取8个关键词，无需任何设置。
    "3. \xB9\xB4\xD1\xA1\xCA\xB5\xCA\xB1\xB8\xFC\xD0\xC2\xBA\xF3\xA3\xAC\xC3\xBF" "10\xB7\xD6"
    "\xD6\xD3\xD7\xD4\xB6\xAF\xD6\xD8\xD0\xC2\xBB\xF1\xC8\xA1\xD2\xBB\xB4\xCE\xA1\xA3\r\n"
    // 3. 勾选实时更新后，每10分钟自动重新获取一次。
    "4. \xC8\xCE\xBA\xCE\xCA\xB1\xBA\xF2\xB6\xBC\xBF\xC9\xB5\xE3\xBB\xF7\xBB\xF1\xC8\xA1"
    "\xB9\xD8\xBC\xFC\xB4\xCA\xB0\xB4\xC5\xA5\xCA\xD6\xB6\xAF\xBB\xF1\xC8\xA1\xA1\xA3\r\n"
    // 4. 任何时候都可点击获取关键词按钮手动获取。
    "5. \xCC\xD4\xB1\xA6\xB8\xFC\xB8\xC4\xD2\xB3\xC3\xE6\xB9\xE6\xD4\xF2\xBA\xF3\xA3"
    "\xAC\xB1\xBE\xC8\xED\xBC\xFE\xBD\xAB\xCE\xDE\xB7\xA8\xB9\xA4\xD7\xF7\xA1\xA3\r\n"
    // 5. 淘宝更改页面规则后，本软件将无法工作。
    "6. \xBE\xAD\xB2\xE2\xCA\xD4\xA3\xAC\xB9\xD8\xBC\xFC\xB4\xCA\xBB\xF1\xC8\xA1\xB3"
    "\xC9\xB9\xA6\xC2\xCA\xD4\xBC\xB0\xD9\xB7\xD6\xD6\xAE\xBE\xC5\xCA\xAE\xA1\xA3";
    // 6. 经测试，关键词获取成功率约百分之九十。

// Marker texts that delimit item records in the source page (ASCII).
inline constexpr char linkStartMarker[] = "{\"item_url\":\"http://";           // 20 bytes
inline constexpr char linkEndMarker[] = "\",\"item_pic\":\"http:";             // 19 bytes
inline constexpr char spareMarker8[] = "\"item_current_price\":\"\" } ";      // 26 bytes, ends in a space
inline constexpr char spareMarker9[] = "\"\",\"item_title\":\"";              // 17 bytes
inline constexpr char spareMarker10[] = "\",\"item_current_price";            // 21 bytes
inline constexpr char recordEndMarker[] = "\",\"item_current_price\":\"\" }";  // 27 bytes

// Title suffixes of the marketplace's item and search pages.
inline constexpr char marketTitleSuffix[] =
    "-\xC5\xAE\xD7\xB0/\xC5\xAE\xCA\xBF\xBE\xAB\xC6\xB7-\xC5\xAE\xD7\xB0\xCA\xD0\xB3\xA1-\xCC\xD4\xB1\xA6\xCD\xF8";
// -女装/女士精品-女装市场-淘宝网 (30 bytes)
inline constexpr char searchTitleSuffix[] = "_\xCC\xD4\xB1\xA6\xCB\xD1\xCB\xF7";  // _淘宝搜索 (9 bytes)

// Messages and box titles.
inline constexpr char copyConfirmation[] = "\xB8\xB4\xD6\xC6OK";                            // 复制OK
inline constexpr char informationTitle[] = "\xD0\xC5\xCF\xA2\xA3\xBA";                      // 信息：
inline constexpr char errorTitle[] = "\xB4\xED\xCE\xF3";                                    // 错误
inline constexpr char objectCreationFailed[] = "\xB4\xB4\xBD\xA8\xB6\xD4\xCF\xF3\xCA\xA7\xB0\xDC\xA3\xA1";  // 创建对象失败！
inline constexpr char runtimeErrorHeading[] = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!";  // 运行时出错!
inline constexpr char errorCodeLabel[] = "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA";        // 错误代码：
inline constexpr char errorMessageLabel[] = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";     // 错误信息：
inline constexpr char indexBelowOne[] =
    "\xCA\xFD\xD7\xE9\xB3\xC9\xD4\xB1\xD2\xFD\xD3\xC3\xCF\xC2\xB1"
    "\xEA\xB1\xD8\xD0\xEB\xB4\xF3\xD3\xDA\xB5\xC8\xD3\xDA" "1";
// 数组成员引用下标必须大于等于1
inline constexpr char indexOutOfRange[] =
    "\xCA\xFD\xD7\xE9\xB3\xC9\xD4\xB1\xD2\xFD\xD3\xC3\xCF\xC2"
    "\xB1\xEA\xB3\xAC\xB3\xF6\xB6\xA8\xD2\xE5\xB7\xB6\xCE\xA7";
// 数组成员引用下标超出定义范围
inline constexpr char allocationFailedFormat[] =
    "\xB7\xD6\xC5\xE4 %d \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!";  // 分配 %d 字节内存失败!
inline constexpr char windowLoadFailed[] = "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC";  // 载入启动窗口失败

// Names the host's components answer to (ASCII).
inline constexpr char primaryRequestProgId[] = "MSXML2.XMLHTTP";
inline constexpr char fallbackRequestProgId[] = "Microsoft.XMLHTTP";
inline constexpr char requestOpenMethod[] = "open";
inline constexpr char requestSendMethod[] = "send";
inline constexpr char requestBodyProperty[] = "responseBody";
inline constexpr char requestVerb[] = "GET";
inline constexpr char browserOwnerWindowTitle[] = "Microsoft Internet Explorer";

}  // namespace velloran::literals
