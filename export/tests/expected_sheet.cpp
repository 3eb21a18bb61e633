#include "expected_sheet.h"

#include "results/load_table_form.h"
#include "results/single_result_form.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QVariant>

namespace trevalo::testing {

namespace {

// The text of a label or text box.
QString caption(const Navigator& navigator, FormId id, const QString& name)
{
    QWidget* form = navigator.form(id);
    const QWidget* control = form == nullptr ? nullptr : form->findChild<QWidget*>(name);
    return control == nullptr ? QString() : control->property("text").toString();
}

}  // namespace

void ExpectedSheet::set(int row, int column, const QString& text, int heading)
{
    QJsonObject cell{{"text", text}};
    if (heading != 0)
        cell.insert("heading", heading);
    m_cells.insert(QChar('A' + column - 1) + QString::number(row), cell);
}

void ExpectedSheet::addInputBlock(const Navigator& navigator, const BuildingEntries& building,
                                  const ElevatorEntries& elevator, bool includeLoadAndNumber,
                                  int listHeadingRow)
{
    set(1, 1, "项目名称：", 16);
    set(1, 2, "测试项目", 16);
    set(2, 1, "日期： " + caption(navigator, FormId::Form2, "Label1"));
    set(2, 4, "时间： " + caption(navigator, FormId::Form2, "Label7"));
    set(4, 1, "Trevalo——数据", 14);
    const QString type = building.buildingOption;
    const QString population = building.perFloor ? caption(navigator, FormId::Form3, "Text2") + " (详见下示)"
                                                 : building.population;
    const QString door = QStringList{"2CO", "2SO", "4CO"}.at(elevator.doorOption) + "……" + elevator.doorWidth;
    // Name and entry of rows 5 to 18.
    const QStringList rows{
        "建筑类型", type == "Option1" ? "住宅" : type == "Option2" ? "办公楼及酒店" : "自用办公楼",
        "电梯停留层数", building.floors, "楼宇总人数", population, "电梯总行程 (米)", elevator.travel,
        "平均每层高度 (米)", elevator.floorHeight,
        "快速通行区 (米)", elevator.expressDistance.value_or("无"),
        "电梯门类型及开启宽度 (毫米)", door, "电梯预先开门", elevator.advanceOpening ? "有" : "无",
        "折耗率 (%)", elevator.lossPercent.value_or(""), "上行百分比 (%)", elevator.upPercent.value_or(""),
        "下行百分比 (%)", elevator.downPercent.value_or(""), "电梯速度 (米/秒)", elevator.speed,
        "单电梯载重 (KG)", elevator.ratedLoad, "电梯数量", elevator.cars};
    for (int i = 0; i < (includeLoadAndNumber ? 14 : 12); ++i) {
        set(5 + i, 1, rows[2 * i]);
        set(5 + i, 2, rows[2 * i + 1]);
    }
    if (!building.perFloor)
        return;
    set(listHeadingRow, 1, "每层人数资料", 12);
    for (int i = 0; i < building.floors.toInt(); ++i) {
        set(listHeadingRow + 1 + i, 1, QStringLiteral("第 %1 层人数").arg(i + 1));
        set(listHeadingRow + 1 + i, 2, building.floorPopulations.value(i));
    }
}

void ExpectedSheet::addSingleResult(const Navigator& navigator, const ElevatorEntries& elevator)
{
    const auto* form = navigator.formAs<SingleResultForm>(FormId::Form5);
    set(4, 4, "Trevalo——结果", 14);
    const QStringList names{"总行程时间 (秒)", "最长侯机时间 (秒)", "5分钟内单机运载人数",
                            "5分钟内总运载人数", "5分钟内单机运载人数百分比",
                            "5分钟内总运载人数百分比", "电梯机房的结构荷载 kg", "井深 m",
                            "井顶缓冲高度 m"};
    for (int i = 0; i < names.size(); ++i) {
        if (i < 6 || (i == 6 && form->structuralLoadRowVisible()) || (i > 6 && form->pitDepthRowVisible())) {
            set(5 + i, 4, names[i]);
            set(5 + i, 5, form->valueText(i));
        }
    }
    set(15, 4, "计算电梯机房结构荷载");
    set(15, 5, elevator.finishingWeight ? "是" : "否");
    set(16, 4, "装修重量 (kg)");
    set(16, 5, elevator.finishingWeight.value_or(""));
}

void ExpectedSheet::addLoadTable(const Navigator& navigator, bool directionRelabelled)
{
    const auto* form = navigator.formAs<LoadTableForm>(FormId::Form6);
    set(4, 4, "Trevalo——结果", 14);
    const QStringList headers{"载重/人数", directionRelabelled ? "DN" : "UP",
                              directionRelabelled ? "UP" : "DN", "RTT (SEC)", "HC (%)",
                              "HC (PERSONS)", directionRelabelled ? "PS (DN)" : "PS (UP)", "HR",
                              "轿箱最大有效面积(平方米)", "轿箱最小有效面积(平方米)"};
    for (int k = 0; k < headers.size(); ++k)
        set(5, 4 + k, headers[k]);
    // The car areas from their stated steps: the maximum rises by 0.15 a row up to 1575 kg,
    // then by 0.09, 0.12, 0.12; the minimum by 0.14 up to 1500 kg, then 0.12, 0.11, 0.12, 0.11.
    double maximum = 1.75;
    double minimum = 1.59;
    const double maximumSteps[] = {0.09, 0.12, 0.12, 0};
    const double minimumSteps[] = {0.12, 0.11, 0.12, 0.11, 0};
    for (int row = 0; row < 16; ++row) {
        // A hidden row 0 gives its load key only, whatever its cells still hold.
        for (int array = 1; array <= 8; ++array)
            set(6 + row, 3 + array, array > 1 && !form->rowVisible(row) ? QString() : form->cellText(array, row));
        set(6 + row, 12, QString::number(maximum, 'f', 2));
        set(6 + row, 13, QString::number(minimum, 'f', 2));
        maximum += row < 12 ? 0.15 : maximumSteps[row - 12];
        minimum += row < 11 ? 0.14 : minimumSteps[row - 11];
    }
}

QString ExpectedSheet::save(const QString& folder, int fitColumns, int chartFirstRow) const
{
    QJsonObject document{{"cells", m_cells}, {"fitRows", 18}, {"fitColumns", fitColumns}};
    if (chartFirstRow > 0)
        document.insert("chartRows", QJsonArray{chartFirstRow, 21});
    if (fitColumns == 13)  // the load table: its load keys repeat on every page
        document.insert("repeatedColumns", "$D:$D");
    const QString path = QDir(folder).filePath("expected.json");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(QJsonDocument(document).toJson());
    return path;
}

}  // namespace trevalo::testing
