#include "app/window_layout.h"

#include "app/addresses.h"
#include "text/literals.h"

namespace velloran {

namespace {

using K = ControlKind;
using C = ControlId;
namespace l = literals;

// Hidden fields hold the harvest's parameters and the downloaded page; some
// lie outside the client area on purpose.
//   id            name             kind           left top  width height seen  enabled multi  flat   font text
const ControlLayout controls[controlCount] = {
    {C::按钮1, "按钮1", K::pushButton, 341, 432, 145, 31, true, true, false, false, 12, l::shopButtonCaption},
    {C::标签3, "标签3", K::label, 322, 381, 180, 91, true, true, false, true, 0, l::promotionText},
    {C::标签2, "标签2", K::label, 8, 328, 312, 144, true, true, false, false, 0, l::informationText},
    {C::时钟1, "时钟1", K::timer, 432, 288, 32, 32, false, true, false, false, 0, ""},
    {C::选择框1, "选择框1", K::checkBox, 429, 256, 72, 24, true, true, false, false, 0, l::refreshCheckCaption},
    {C::按钮, "按钮", K::pushButton, 425, 156, 80, 30, true, true, false, false, 0, l::harvestButtonCaption},
    {C::编辑框11, "编辑框11", K::editField, 528, 304, 128, 80, true, true, false, false, 0, l::recordEndMarker},
    {C::按钮4, "按钮4", K::pushButton, 425, 218, 80, 30, true, true, false, false, 0, l::searchButtonCaption},
    {C::按钮3, "按钮3", K::pushButton, 425, 187, 80, 30, true, true, false, false, 0, l::copyButtonCaption},
    {C::列表框1, "列表框1", K::listBox, 8, 155, 416, 165, true, true, false, true, 0, l::keywordListPlaceholder},
    {C::编辑框10, "编辑框10", K::editField, 584, 256, 56, 32, false, true, false, false, 0, l::spareMarker10},
    {C::编辑框9, "编辑框9", K::editField, 504, 248, 72, 40, false, true, false, false, 0, l::spareMarker9},
    {C::编辑框8, "编辑框8", K::editField, 640, 200, 80, 40, false, true, false, false, 0, l::spareMarker8},
    {C::编辑框7, "编辑框7", K::editField, 584, 192, 56, 48, false, true, false, false, 0, l::linkEndMarker},
    {C::编辑框6, "编辑框6", K::editField, 544, 128, 80, 56, false, true, true, false, 0, l::linkStartMarker},
    {C::通用对话框1, "通用对话框1", K::commonDialog, 312, 256, 32, 24, false, true, false, false, 0, ""},
    {C::编辑框5, "编辑框5", K::editField, 8, 8, 504, 24, true, true, false, false, 0, sourcePageAddress},
    {C::超文本浏览框1, "超文本浏览框1", K::browserView, 5, 34, 508, 118, true, true, false, false, 0, ""},
    {C::标签1, "标签1", K::label, 688, 0, 64, 16, false, true, false, false, 0, l::speedLabelCaption},
    {C::编辑框2, "编辑框2", K::editField, 752, 0, 441, 15, false, false, false, true, 0, ""},
    {C::编辑框1, "编辑框1", K::editField, 512, 153, 504, 80, false, false, true, true, 0, ""},
};

const WindowLayout window = {l::windowCaption, 515, 517, controls};

}  // namespace

const WindowLayout& mainWindowLayout() { return window; }

const ControlLayout& controlLayout(ControlId control) { return controls[static_cast<int>(control)]; }

}  // namespace velloran
