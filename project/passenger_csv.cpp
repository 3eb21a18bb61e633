#include "project/passenger_csv.h"

#include <QList>

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

PassengerCsv readPassengerCsv(const QByteArray& content)
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
        const auto arrival = fields.size() == 2 ? numberIn(fields[0]) : std::nullopt;
        const auto floor = fields.size() == 2 ? numberIn(fields[1]) : std::nullopt;
        const bool header = firstRow && fields.size() == 2 && !numberIn(fields[0]) && !numberIn(fields[1]);
        firstRow = false;
        if (header)
            continue;
        if (!arrival || !floor) {
            return {{}, QStringLiteral("第 %1 行“%2”：应为到达时间（秒）和目的楼层两个数，以逗号分隔")
                            .arg(i + 1)
                            .arg(QString::fromUtf8(line.left(60)))};
        }
        if (result.passengers.size() == kMostListedPassengers)
            return {{}, QStringLiteral("乘客超过 %1 位，项目文件无法保存这么多乘客").arg(kMostListedPassengers)};
        result.passengers.push_back({*arrival, *floor});
    }
    if (result.passengers.empty())
        result.problem = QStringLiteral("文件中没有乘客");
    return result;
}

}  // namespace trevalo::project
