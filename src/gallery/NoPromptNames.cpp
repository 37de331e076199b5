#include "gallery/NoPromptNames.h"

#include <algorithm>
#include <array>

namespace gallery {

namespace {

constexpr std::array<std::u16string_view, 35> kNoPromptNames = {
    u"园林景观", u"平面植物", u"平面配景", u"立面植物", u"立面配景", u"符号图例", u"图框库",
    u"室内平面", u"室内立面", u"建筑", u"结构", u"给排水", u"暖通", u"电气",
    u"弱电安防", u"机械", u"明清家具", u"其他", u"门窗样式", u"钢结构节点大洋", u"常用符号",
    u"无源元件", u"半导体管、电子管", u"电能的发生和转换", u"开关的控制和保护装置",
    u"测量仪表、灯和信号器件", u"螺钉", u"螺母", u"螺栓", u"销", u"铆钉",
    u"垫圈", u"俯视图", u"透视图", u"左视图",
};

}  // namespace

bool isNoPromptName(std::u16string_view nodeText) {
  return std::find(kNoPromptNames.begin(), kNoPromptNames.end(), nodeText) != kNoPromptNames.end();
}

}  // namespace gallery
