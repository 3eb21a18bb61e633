#include "project/passenger_csv.h"

#include <QList>

#include <algorithm>
#include <cmath>
#include <optional>

namespace trevalo::project {

namespace {

std::optional<double> numberIn(const QByteArray& field)
{
    bool ok = false;
    const double value = QString::fromUtf8(field.trimmed()).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace

PassengerCsv readPassengerCsv(const QByteArray& content, std::optional<int> servedFloors)
{
    PassengerCsv result;
    QByteArray text = content;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    const QList<QByteArray> lines = text.split('\n');
    bool firstRow = true;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        const QList<QByteArray> fields = line.split(',');
        const bool sized = fields.size() == 2 || fields.size() == 3;
        std::vector<std::optional<double>> numbers;
        for (const QByteArray& field : fields)
            numbers.push_back(numberIn(field));
        const bool anyNumber = std::any_of(numbers.begin(), numbers.end(), [](const auto& n) { return n.has_value(); });
        const bool allNumbers = std::all_of(numbers.begin(), numbers.end(), [](const auto& n) { return n.has_value(); });
        const bool header = firstRow && sized && !anyNumber;
        firstRow = false;
        if (header)
            continue;
        const auto refuse = [&](const QString& why) {
            return PassengerCsv{{}, QStringLiteral("第 %1 行“%2”：").arg(i + 1).arg(QString::fromUtf8(line.left(60))) + why};
        };
        if (!sized || !allNumbers)
            return refuse(QStringLiteral("应为到达时间（秒）和目的楼层两个数，或到达时间、出发楼层和目的楼层三个数，以逗号分隔"));
        const bool fromMainFloor = fields.size() == 2;
        const engine::PassengerEntry passenger{*numbers[0], *numbers.back(), fromMainFloor ? 0 : *numbers[1]};
        if (servedFloors) {
            const auto onFloor = [&](double floor, int lowest) {
                return floor == std::floor(floor) && floor >= lowest && floor <= *servedFloors;
            };
            if (fromMainFloor && !onFloor(passenger.floor, 1))
                return refuse(QStringLiteral("目的楼层应为 1 至 %1 的整数（1 = 首层以上第一个停靠层）").arg(*servedFloors));
            if (!fromMainFloor && !(onFloor(passenger.origin, 0) && onFloor(passenger.floor, 0)))
                return refuse(QStringLiteral("出发楼层和目的楼层应为 0 至 %1 的整数（0 = 首层，1 = 首层以上第一个停靠层）")
                                  .arg(*servedFloors));
            if (passenger.origin == passenger.floor)
                return refuse(QStringLiteral("出发楼层与目的楼层相同"));
        }
        if (result.passengers.size() == kMostListedPassengers)
            return {{}, QStringLiteral("乘客超过 %1 位，项目文件无法保存这么多乘客").arg(kMostListedPassengers)};
        result.passengers.push_back(passenger);
    }
    if (result.passengers.empty())
        result.problem = QStringLiteral("文件中没有乘客");
    return result;
}

}  // namespace trevalo::project
