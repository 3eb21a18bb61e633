#include "project/project_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <cmath>
#include <utility>

namespace trevalo::project {

namespace {

using engine::BuildingType;
using engine::DoorType;
using engine::PopulationSpread;

constexpr const char* kFormatName = "trevalo-project";

template <class Enum>
using Names = std::array<std::pair<const char*, Enum>, 3>;

constexpr Names<BuildingType> kBuildingTypes{{{"residential", BuildingType::Residential},
                                              {"officeAndHotel", BuildingType::OfficeAndHotel},
                                              {"ownerOccupiedOffice", BuildingType::OwnerOccupiedOffice}}};
constexpr std::array<std::pair<const char*, PopulationSpread>, 2> kSpreads{
    {{"even", PopulationSpread::Even}, {"perFloor", PopulationSpread::PerFloor}}};
constexpr Names<DoorType> kDoorTypes{{{"2CO", DoorType::TwoPanelCentre},
                                      {"2SO", DoorType::TwoPanelSide},
                                      {"4CO", DoorType::FourPanelCentre}}};

QJsonValue text(const std::string& value) { return QString::fromStdString(value); }

template <class Enum, std::size_t N>
QJsonValue nameOf(const std::optional<Enum>& value, const std::array<std::pair<const char*, Enum>, N>& names)
{
    for (const auto& [name, item] : names) {
        if (value == item)
            return QString::fromLatin1(name);
    }
    return QJsonValue::Null;
}

QJsonArray texts(const std::vector<std::string>& values)
{
    QJsonArray array;
    for (const std::string& value : values)
        array.append(text(value));
    return array;
}

QJsonObject elevatorJson(const engine::ElevatorParameters& e)
{
    return QJsonObject{
        {QLatin1String("travel"), text(e.travel)},
        {QLatin1String("floorHeight"), text(e.floorHeight)},
        {QLatin1String("expressZoneSet"), e.expressZoneSet},
        {QLatin1String("expressDistance"), text(e.expressDistance)},
        {QLatin1String("doorType"), nameOf(e.doorType, kDoorTypes)},
        {QLatin1String("doorWidth"), text(e.doorWidth)},
        {QLatin1String("advanceOpening"), e.advanceOpening},
        {QLatin1String("lossPercent"), text(e.lossPercent)},
        {QLatin1String("upPercent"), text(e.upPercent)},
        {QLatin1String("downPercent"), text(e.downPercent)},
        {QLatin1String("ratedSpeed"), text(e.ratedSpeed)},
        {QLatin1String("fixedConfiguration"), e.fixedConfiguration},
        {QLatin1String("ratedLoad"), text(e.ratedLoad)},
        {QLatin1String("carCount"), text(e.carCount)},
        {QLatin1String("machineRoomRequested"), e.machineRoomRequested},
        {QLatin1String("finishingWeight"), text(e.finishingWeight)},
    };
}

// Reads members by their dotted path; the first member of a wrong type is the reason the
// file is refused, and every later read is skipped. A missing member, or null, reads as an
// empty entry or an unticked box.
class MemberReader {
public:
    bool failed() const { return !m_reason.isEmpty(); }
    QString reason() const { return m_reason; }

    QJsonObject object(const QJsonObject& parent, const char* key, const QString& path)
    {
        const QJsonValue value = parent.value(QLatin1String(key));
        if (absent(value))
            return {};
        if (!value.isObject())
            refuse(path, QStringLiteral("应为对象"));
        return value.toObject();
    }

    std::string text(const QJsonObject& parent, const char* key, const QString& path)
    {
        const QJsonValue value = parent.value(QLatin1String(key));
        if (absent(value))
            return {};
        if (!value.isString())
            refuse(path, QStringLiteral("应为文字（带引号的字符串）"));
        return value.toString().toStdString();
    }

    bool flag(const QJsonObject& parent, const char* key, const QString& path)
    {
        const QJsonValue value = parent.value(QLatin1String(key));
        if (absent(value))
            return false;
        if (!value.isBool())
            refuse(path, QStringLiteral("应为 true 或 false"));
        return value.toBool();
    }

    std::vector<std::string> texts(const QJsonObject& parent, const char* key, const QString& path)
    {
        const QJsonValue value = parent.value(QLatin1String(key));
        std::vector<std::string> result;
        if (absent(value))
            return result;
        if (!value.isArray()) {
            refuse(path, QStringLiteral("应为文字的数组"));
            return result;
        }
        const QJsonArray array = value.toArray();
        for (qsizetype i = 0; i < array.size() && !failed(); ++i) {
            if (!array[i].isString())
                refuse(QStringLiteral("%1[%2]").arg(path).arg(i), QStringLiteral("应为文字（带引号的字符串）"));
            result.push_back(array[i].toString().toStdString());
        }
        return result;
    }

    // [arrival seconds, destination floor] pairs; each a JSON number or a text holding one.
    std::vector<engine::PassengerEntry> passengers(const QJsonObject& parent, const char* key, const QString& path)
    {
        const QJsonValue value = parent.value(QLatin1String(key));
        std::vector<engine::PassengerEntry> result;
        if (absent(value))
            return result;
        if (!value.isArray()) {
            refuse(path, QStringLiteral("应为 [到达时间, 目的楼层] 数对的数组"));
            return result;
        }
        const QJsonArray array = value.toArray();
        for (qsizetype i = 0; i < array.size() && !failed(); ++i) {
            const QJsonArray pair = array[i].toArray();
            const auto arrival = pair.size() == 2 ? number(pair[0]) : std::nullopt;
            const auto floor = pair.size() == 2 ? number(pair[1]) : std::nullopt;
            if (!arrival || !floor)
                refuse(QStringLiteral("%1[%2]").arg(path).arg(i), QStringLiteral("应为 [到达时间, 目的楼层] 两个数"));
            result.push_back({arrival.value_or(0), floor.value_or(0)});
        }
        return result;
    }

    template <class Enum, std::size_t N>
    std::optional<Enum> choice(const QJsonObject& parent, const char* key, const QString& path,
                               const std::array<std::pair<const char*, Enum>, N>& names)
    {
        const QJsonValue value = parent.value(QLatin1String(key));
        if (absent(value))
            return std::nullopt;
        QStringList allowed;
        for (const auto& [name, item] : names) {
            if (value.isString() && value.toString() == QLatin1String(name))
                return item;
            allowed << QStringLiteral("\"%1\"").arg(QLatin1String(name));
        }
        refuse(path, QStringLiteral("应为 %1 或 null").arg(allowed.join(QStringLiteral("、"))));
        return std::nullopt;
    }

private:
    static bool absent(const QJsonValue& value) { return value.isUndefined() || value.isNull(); }

    // Finite only: the writer could not give a number that JSON has no form for back again.
    static std::optional<double> number(const QJsonValue& value)
    {
        bool ok = value.isDouble();
        const double result = ok ? value.toDouble() : value.toString().toDouble(&ok);
        if (!ok || !std::isfinite(result))
            return std::nullopt;
        return result;
    }

    void refuse(const QString& path, const QString& expected)
    {
        if (!failed())
            m_reason = QStringLiteral("成员“%1”%2").arg(path, expected);
    }

    QString m_reason;
};

// Refuses what is not a project of a version this program knows; empty when it is one.
QString formatProblem(const QJsonObject& root)
{
    if (root.value(QLatin1String("format")) != QJsonValue(QLatin1String(kFormatName)))
        return QStringLiteral("不是 Trevalo 项目文件（“format”不是 \"%1\"）").arg(QLatin1String(kFormatName));
    const QJsonValue version = root.value(QLatin1String("version"));
    const double number = version.toDouble(-1);
    if (!version.isDouble() || number < 1 || number != std::floor(number))
        return QStringLiteral("成员“version”应为正整数");
    if (number > kFormatVersion)
        return QStringLiteral("文件版本 %1 高于本程序能读取的版本 %2").arg(number, 0, 'f', 0).arg(kFormatVersion);
    return {};
}

engine::ElevatorParameters elevatorOf(MemberReader& read, const QJsonObject& root)
{
    const QJsonObject e = read.object(root, "elevator", QStringLiteral("elevator"));
    const auto member = [](const char* key) { return QStringLiteral("elevator.%1").arg(QLatin1String(key)); };
    engine::ElevatorParameters p;
    p.travel = read.text(e, "travel", member("travel"));
    p.floorHeight = read.text(e, "floorHeight", member("floorHeight"));
    p.expressZoneSet = read.flag(e, "expressZoneSet", member("expressZoneSet"));
    p.expressDistance = read.text(e, "expressDistance", member("expressDistance"));
    p.doorType = read.choice(e, "doorType", member("doorType"), kDoorTypes);
    p.doorWidth = read.text(e, "doorWidth", member("doorWidth"));
    p.advanceOpening = read.flag(e, "advanceOpening", member("advanceOpening"));
    p.lossPercent = read.text(e, "lossPercent", member("lossPercent"));
    p.upPercent = read.text(e, "upPercent", member("upPercent"));
    p.downPercent = read.text(e, "downPercent", member("downPercent"));
    p.ratedSpeed = read.text(e, "ratedSpeed", member("ratedSpeed"));
    p.fixedConfiguration = read.flag(e, "fixedConfiguration", member("fixedConfiguration"));
    p.ratedLoad = read.text(e, "ratedLoad", member("ratedLoad"));
    p.carCount = read.text(e, "carCount", member("carCount"));
    p.machineRoomRequested = read.flag(e, "machineRoomRequested", member("machineRoomRequested"));
    p.finishingWeight = read.text(e, "finishingWeight", member("finishingWeight"));
    return p;
}

std::optional<engine::SizingEntries> sizingOf(MemberReader& read, const QJsonObject& root)
{
    const QJsonValue value = root.value(QLatin1String("sizing"));
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    const QJsonObject s = read.object(root, "sizing", QStringLiteral("sizing"));
    engine::SizingEntries sizing;
    sizing.hcPercent = read.text(s, "hcPercent", QStringLiteral("sizing.hcPercent"));
    sizing.interval = read.text(s, "interval", QStringLiteral("sizing.interval"));
    sizing.awt = read.text(s, "awt", QStringLiteral("sizing.awt"));
    sizing.maxCars = read.text(s, "maxCars", QStringLiteral("sizing.maxCars"));
    sizing.speeds = read.texts(s, "speeds", QStringLiteral("sizing.speeds"));
    sizing.leastCars = read.text(s, "leastCars", QStringLiteral("sizing.leastCars"));
    sizing.leastLoad = read.text(s, "leastLoad", QStringLiteral("sizing.leastLoad"));
    return sizing;
}

std::optional<engine::SimulationEntries> simulationOf(MemberReader& read, const QJsonObject& root)
{
    const QJsonValue value = root.value(QLatin1String("simulation"));
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    const QJsonObject s = read.object(root, "simulation", QStringLiteral("simulation"));
    const auto member = [](const char* key) { return QStringLiteral("simulation.%1").arg(QLatin1String(key)); };
    engine::SimulationEntries simulation;
    simulation.demandPercent = read.text(s, "demandPercent", member("demandPercent"));
    simulation.minutes = read.text(s, "minutes", member("minutes"));
    simulation.loadingLimit = read.text(s, "loadingLimit", member("loadingLimit"));
    simulation.dwell = read.text(s, "dwell", member("dwell"));
    simulation.replications = read.text(s, "replications", member("replications"));
    simulation.seed = read.text(s, "seed", member("seed"));
    simulation.passengers = read.passengers(s, "passengers", member("passengers"));
    return simulation;
}

QJsonObject simulationJson(const engine::SimulationEntries& s)
{
    QJsonArray passengers;
    for (const engine::PassengerEntry& passenger : s.passengers)
        passengers.append(QJsonArray{passenger.arrival, passenger.floor});
    return QJsonObject{
        {QLatin1String("demandPercent"), text(s.demandPercent)},
        {QLatin1String("minutes"), text(s.minutes)},
        {QLatin1String("loadingLimit"), text(s.loadingLimit)},
        {QLatin1String("dwell"), text(s.dwell)},
        {QLatin1String("replications"), text(s.replications)},
        {QLatin1String("seed"), text(s.seed)},
        {QLatin1String("passengers"), passengers},
    };
}

}  // namespace

QByteArray projectToJson(const Project& project)
{
    const engine::ProjectData& b = project.inputs.project;
    QJsonObject root;
    root[QLatin1String("format")] = QLatin1String(kFormatName);
    root[QLatin1String("version")] = kFormatVersion;
    root[QLatin1String("building")] = QJsonObject{
        {QLatin1String("projectName"), text(b.projectName)},
        {QLatin1String("buildingType"), nameOf(b.buildingType, kBuildingTypes)},
        {QLatin1String("floorsServed"), text(b.floorsServed)},
        {QLatin1String("totalPopulation"), text(b.totalPopulation)},
        {QLatin1String("spread"), nameOf(b.spread, kSpreads)},
    };
    root[QLatin1String("floorPopulations")] = texts(project.inputs.floors.floorPopulations);
    if (project.elevatorEntered)
        root[QLatin1String("elevator")] = elevatorJson(project.inputs.elevator);
    if (project.sizing) {
        const engine::SizingEntries& s = *project.sizing;
        root[QLatin1String("sizing")] = QJsonObject{
            {QLatin1String("hcPercent"), text(s.hcPercent)},
            {QLatin1String("interval"), text(s.interval)},
            {QLatin1String("awt"), text(s.awt)},
            {QLatin1String("maxCars"), text(s.maxCars)},
            {QLatin1String("speeds"), texts(s.speeds)},
            {QLatin1String("leastCars"), text(s.leastCars)},
            {QLatin1String("leastLoad"), text(s.leastLoad)},
        };
    }
    if (project.simulation)
        root[QLatin1String("simulation")] = simulationJson(*project.simulation);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ReadResult projectFromJson(const QByteArray& json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return {std::nullopt, QStringLiteral("不是有效的 JSON 文本（第 %1 个字节处有误）").arg(error.offset)};
    if (!document.isObject())
        return {std::nullopt, QStringLiteral("不是 Trevalo 项目文件（内容不是 JSON 对象）")};
    const QJsonObject root = document.object();
    if (QString problem = formatProblem(root); !problem.isEmpty())
        return {std::nullopt, problem};

    MemberReader read;
    Project project;
    const QJsonObject b = read.object(root, "building", QStringLiteral("building"));
    engine::ProjectData& building = project.inputs.project;
    building.projectName = read.text(b, "projectName", QStringLiteral("building.projectName"));
    building.buildingType = read.choice(b, "buildingType", QStringLiteral("building.buildingType"), kBuildingTypes);
    building.floorsServed = read.text(b, "floorsServed", QStringLiteral("building.floorsServed"));
    building.totalPopulation = read.text(b, "totalPopulation", QStringLiteral("building.totalPopulation"));
    building.spread = read.choice(b, "spread", QStringLiteral("building.spread"), kSpreads);
    project.inputs.floors.floorPopulations = read.texts(root, "floorPopulations", QStringLiteral("floorPopulations"));
    project.elevatorEntered = root.contains(QLatin1String("elevator")) && !root.value(QLatin1String("elevator")).isNull();
    project.inputs.elevator = elevatorOf(read, root);
    project.sizing = sizingOf(read, root);
    project.simulation = simulationOf(read, root);
    if (read.failed())
        return {std::nullopt, read.reason()};
    return {std::move(project), {}};
}

}  // namespace trevalo::project
