#include "engine/notice.h"

namespace trevalo::engine {

std::string_view noticeText(Notice notice)
{
    switch (notice) {
    case Notice::FloorsOutOfRange:
        return "楼层数超出范围！";
    case Notice::IncompleteInput:
        return "请完整输入数据";
    case Notice::InputError:
        return "输入数据有误！";
    case Notice::DoorWidthNonStandard:
        return "电梯门开启宽度不符合标准";
    }
    return {};
}

}  // namespace trevalo::engine
