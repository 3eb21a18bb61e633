#include "export/report_blocks.h"

namespace trevalo::workbook {

namespace {

constexpr double kSignatureHeight = 36;  // points: room to sign by hand

}  // namespace

std::vector<BasisLine> methodBasis(bool perFloorSpread)
{
    return {
        {"计算方法",
         "上行高峰总行程时间计算：由概率停站数与最高返回层求上下行运行时间，加开关门、"
         "乘客出入及损耗时间得总行程时间 RTT，再求5分钟运载能力 HC"},
        {"人数分布模型", perFloorSpread
                             ? "各层人数按输入分配：S = N − Σ(1 − U_i / U)^P，HR 由各层累计人数比例求得"
                             : "各层人数平均分配：S = N × (1 − ((N − 1) / N)^P)，HR = N − Σ(i / N)^P"},
        {"平均候梯时间来源", "CIBSE Guide D (Barney)：由上行载客率 P_up / CC 与间隔 INT 估算"},
        {"间隔评级来源", "CIBSE Guide D：办公楼上行高峰间隔 ≤ 20 s 优，≤ 25 s 良，≤ 30 s 满意"},
    };
}

std::vector<BasisLine> mendBasis()
{
    return {
        {"修正：至少停一站",
         "每次行程至少停靠一站：S_up、S_dn 不足 1 时按 1 计（原式在停站数不足 1 时得出负的站间距离）"},
        {"修正：四扇中分门",
         "原门表无四扇中分门（4CO），其开关门时间为 0 s；本计算按开门宽度之半取 2CO 的开关门时间，"
         "乘客出入时间取 0.45 s"},
    };
}

BasisLine shareMend()
{
    return {"修正：百分比上限", "上行或下行百分比大于 100 时拒绝计算（一个方向所载人数不能超过额定人数）"};
}

int writeSignOff(SheetModel& sheet, int closedRow, int labelColumn, int firstLineColumn, int lastLineColumn)
{
    const int titleRow = closedRow + 2;
    sheet.write({titleRow, labelColumn}, "签署");
    sheet.setBold({titleRow, labelColumn});
    int row = titleRow;
    for (const char* role : {"计算", "校对", "审核", "日期"}) {
        ++row;
        sheet.write({row, labelColumn}, role);
        sheet.setBold({row, labelColumn});
        sheet.setRowHeight(row, kSignatureHeight);
        for (int column = firstLineColumn; column <= lastLineColumn; ++column)
            sheet.setSignatureLine({row, column});
    }
    sheet.keepTogether(closedRow, row);
    return row;
}

}  // namespace trevalo::workbook
