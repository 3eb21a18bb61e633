#include "project/project_json.h"

#include "engine/display_text.h"
#include "engine/entry_ids.h"

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
using engine::EntryId;
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

// An entry's key in its section's object, and its dotted path from the root.
QLatin1String keyOf(EntryId id)
{
    const std::string_view key = engine::entryKey(id);
    return QLatin1String(key.data(), static_cast<qsizetype>(key.size()));
}

QString pathOf(EntryId id)
{
    const std::string_view path = engine::entryInfo(id).path;
    return QString::fromLatin1(path.data(), static_cast<qsizetype>(path.size()));
}

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
        {keyOf(EntryId::Travel), text(e.travel)},
        {keyOf(EntryId::FloorHeight), text(e.floorHeight)},
        {keyOf(EntryId::ExpressZoneSet), e.expressZoneSet},
        {keyOf(EntryId::ExpressDistance), text(e.expressDistance)},
        {keyOf(EntryId::DoorType), nameOf(e.doorType, kDoorTypes)},
        {keyOf(EntryId::DoorWidth), text(e.doorWidth)},
        {keyOf(EntryId::AdvanceOpening), e.advanceOpening},
        {keyOf(EntryId::LossPercent), text(e.lossPercent)},
        {keyOf(EntryId::UpPercent), text(e.upPercent)},
        {keyOf(EntryId::DownPercent), text(e.downPercent)},
        {keyOf(EntryId::RatedSpeed), text(e.ratedSpeed)},
        {keyOf(EntryId::FixedConfiguration), e.fixedConfiguration},
        {keyOf(EntryId::RatedLoad), text(e.ratedLoad)},
        {keyOf(EntryId::CarCount), text(e.carCount)},
        {keyOf(EntryId::MachineRoomRequested), e.machineRoomRequested},
        {keyOf(EntryId::FinishingWeight), text(e.finishingWeight)},
    };
}

// Reads members by their dotted path; the first member of a wrong type is the reason the
// file is refused, and every later read is skipped. A missing member, or null, reads as an
// empty entry or an unticked box.
class MemberReader {
public:
    bool failed() const { return !m_reason.isEmpty(); }
    QString reason() const { return m_reason; }

    std::string text(const QJsonObject& parent, EntryId id) { return text(parent, keyOf(id), pathOf(id)); }
    bool flag(const QJsonObject& parent, EntryId id) { return flag(parent, keyOf(id), pathOf(id)); }
    std::vector<std::string> texts(const QJsonObject& parent, EntryId id)
    {
        return texts(parent, keyOf(id), pathOf(id));
    }
    std::vector<engine::PassengerEntry> passengers(const QJsonObject& parent, EntryId id)
    {
        return passengers(parent, keyOf(id), pathOf(id));
    }
    template <class Enum, std::size_t N>
    std::optional<Enum> choice(const QJsonObject& parent, EntryId id,
                               const std::array<std::pair<const char*, Enum>, N>& names)
    {
        return choice(parent, keyOf(id), pathOf(id), names);
    }

    QJsonObject object(const QJsonObject& parent, QLatin1String key, const QString& path)
    {
        const QJsonValue value = parent.value(key);
        if (absent(value))
            return {};
        if (!value.isObject())
            refuse(path, QStringLiteral("应为对象"));
        return value.toObject();
    }

    std::string text(const QJsonObject& parent, QLatin1String key, const QString& path)
    {
        const QJsonValue value = parent.value(key);
        if (absent(value))
            return {};
        if (!value.isString())
            refuse(path, QStringLiteral("应为文字（带引号的字符串）"));
        return value.toString().toStdString();
    }

    bool flag(const QJsonObject& parent, QLatin1String key, const QString& path)
    {
        const QJsonValue value = parent.value(key);
        if (absent(value))
            return false;
        if (!value.isBool())
            refuse(path, QStringLiteral("应为 true 或 false"));
        return value.toBool();
    }

    std::vector<std::string> texts(const QJsonObject& parent, QLatin1String key, const QString& path)
    {
        const QJsonValue value = parent.value(key);
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

    // [arrival seconds, destination floor] pairs (from the main floor) and [arrival seconds,
    // origin floor, destination floor] triples; each a JSON number or a text holding one.
    std::vector<engine::PassengerEntry> passengers(const QJsonObject& parent, QLatin1String key, const QString& path)
    {
        const QJsonValue value = parent.value(key);
        std::vector<engine::PassengerEntry> result;
        if (absent(value))
            return result;
        if (!value.isArray()) {
            refuse(path, QStringLiteral("应为 [到达时间, 目的楼层] 或 [到达时间, 出发楼层, 目的楼层] 的数组"));
            return result;
        }
        const QJsonArray array = value.toArray();
        for (qsizetype i = 0; i < array.size() && !failed(); ++i) {
            const QJsonArray item = array[i].toArray();
            std::array<std::optional<double>, 3> numbers{};
            const bool sized = item.size() == 2 || item.size() == 3;
            bool numeric = sized;
            for (qsizetype j = 0; sized && j < item.size(); ++j) {
                numbers[static_cast<std::size_t>(j)] = number(item[j]);
                numeric = numeric && numbers[static_cast<std::size_t>(j)].has_value();
            }
            if (!numeric) {
                refuse(QStringLiteral("%1[%2]").arg(path).arg(i),
                       QStringLiteral("应为 [到达时间, 目的楼层] 两个数或 [到达时间, 出发楼层, 目的楼层] 三个数"));
                continue;
            }
            if (item.size() == 2)
                result.push_back({*numbers[0], *numbers[1], 0});
            else
                result.push_back({*numbers[0], *numbers[2], *numbers[1]});
        }
        return result;
    }

    template <class Enum, std::size_t N>
    std::optional<Enum> choice(const QJsonObject& parent, QLatin1String key, const QString& path,
                               const std::array<std::pair<const char*, Enum>, N>& names)
    {
        const QJsonValue value = parent.value(key);
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
        return QStringLiteral("文件版本 %1 高于本程序能读取的版本 %2").arg(QString::fromStdString(engine::fixedText(number, 0, engine::Ties::AwayFromZero))).arg(kFormatVersion);
    return {};
}

engine::ElevatorParameters elevatorOf(MemberReader& read, const QJsonObject& root)
{
    const QJsonObject e = read.object(root, QLatin1String("elevator"), QStringLiteral("elevator"));
    engine::ElevatorParameters p;
    p.travel = read.text(e, EntryId::Travel);
    p.floorHeight = read.text(e, EntryId::FloorHeight);
    p.expressZoneSet = read.flag(e, EntryId::ExpressZoneSet);
    p.expressDistance = read.text(e, EntryId::ExpressDistance);
    p.doorType = read.choice(e, EntryId::DoorType, kDoorTypes);
    p.doorWidth = read.text(e, EntryId::DoorWidth);
    p.advanceOpening = read.flag(e, EntryId::AdvanceOpening);
    p.lossPercent = read.text(e, EntryId::LossPercent);
    p.upPercent = read.text(e, EntryId::UpPercent);
    p.downPercent = read.text(e, EntryId::DownPercent);
    p.ratedSpeed = read.text(e, EntryId::RatedSpeed);
    p.fixedConfiguration = read.flag(e, EntryId::FixedConfiguration);
    p.ratedLoad = read.text(e, EntryId::RatedLoad);
    p.carCount = read.text(e, EntryId::CarCount);
    p.machineRoomRequested = read.flag(e, EntryId::MachineRoomRequested);
    p.finishingWeight = read.text(e, EntryId::FinishingWeight);
    return p;
}

std::optional<engine::SizingEntries> sizingOf(MemberReader& read, const QJsonObject& root)
{
    const QJsonValue value = root.value(QLatin1String("sizing"));
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    const QJsonObject s = read.object(root, QLatin1String("sizing"), QStringLiteral("sizing"));
    engine::SizingEntries sizing;
    sizing.hcPercent = read.text(s, EntryId::SizingHcPercent);
    sizing.interval = read.text(s, EntryId::SizingInterval);
    sizing.awt = read.text(s, EntryId::SizingAwt);
    sizing.maxCars = read.text(s, EntryId::SizingMaxCars);
    sizing.speeds = read.texts(s, EntryId::SizingSpeeds);
    sizing.leastCars = read.text(s, EntryId::SizingLeastCars);
    sizing.leastLoad = read.text(s, EntryId::SizingLeastLoad);
    return sizing;
}

std::optional<engine::SimulationEntries> simulationOf(MemberReader& read, const QJsonObject& root)
{
    const QJsonValue value = root.value(QLatin1String("simulation"));
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    const QJsonObject s = read.object(root, QLatin1String("simulation"), QStringLiteral("simulation"));
    engine::SimulationEntries simulation;
    simulation.demandPercent = read.text(s, EntryId::DemandPercent);
    simulation.minutes = read.text(s, EntryId::Minutes);
    simulation.loadingLimit = read.text(s, EntryId::LoadingLimit);
    simulation.dwell = read.text(s, EntryId::Dwell);
    simulation.replications = read.text(s, EntryId::Replications);
    simulation.seed = read.text(s, EntryId::Seed);
    simulation.passengers = read.passengers(s, EntryId::Passengers);
    simulation.incomingPercent = read.text(s, EntryId::IncomingPercent);
    simulation.outgoingPercent = read.text(s, EntryId::OutgoingPercent);
    simulation.interfloorPercent = read.text(s, EntryId::InterfloorPercent);
    simulation.traffic = read.text(s, EntryId::Traffic);
    simulation.awtTarget = read.text(s, EntryId::AwtTarget);
    return simulation;
}

QJsonObject simulationJson(const engine::SimulationEntries& s)
{
    // A passenger from the main floor to a floor above is written as the pair files have always
    // held; any other as a triple.
    QJsonArray passengers;
    for (const engine::PassengerEntry& passenger : s.passengers) {
        if (passenger.origin == 0 && passenger.floor >= 1)
            passengers.append(QJsonArray{passenger.arrival, passenger.floor});
        else
            passengers.append(QJsonArray{passenger.arrival, passenger.origin, passenger.floor});
    }
    QJsonObject object{
        {keyOf(EntryId::DemandPercent), text(s.demandPercent)},
        {keyOf(EntryId::Minutes), text(s.minutes)},
        {keyOf(EntryId::LoadingLimit), text(s.loadingLimit)},
        {keyOf(EntryId::Dwell), text(s.dwell)},
        {keyOf(EntryId::Replications), text(s.replications)},
        {keyOf(EntryId::Seed), text(s.seed)},
        {keyOf(EntryId::Passengers), passengers},
    };
    // The traffic entries are written only when typed, so that a file made before they existed
    // is written back as it was read.
    for (const auto& [id, typed] : {std::pair{EntryId::IncomingPercent, &s.incomingPercent},
                                    std::pair{EntryId::OutgoingPercent, &s.outgoingPercent},
                                    std::pair{EntryId::InterfloorPercent, &s.interfloorPercent},
                                    std::pair{EntryId::Traffic, &s.traffic}, std::pair{EntryId::AwtTarget, &s.awtTarget}}) {
        if (!typed->empty())
            object[keyOf(id)] = text(*typed);
    }
    return object;
}

}  // namespace

QByteArray projectToJson(const Project& project)
{
    const engine::ProjectData& b = project.inputs.project;
    QJsonObject root;
    root[QLatin1String("format")] = QLatin1String(kFormatName);
    root[QLatin1String("version")] = kFormatVersion;
    root[QLatin1String("building")] = QJsonObject{
        {keyOf(EntryId::ProjectName), text(b.projectName)},
        {keyOf(EntryId::BuildingType), nameOf(b.buildingType, kBuildingTypes)},
        {keyOf(EntryId::FloorsServed), text(b.floorsServed)},
        {keyOf(EntryId::TotalPopulation), text(b.totalPopulation)},
        {keyOf(EntryId::Spread), nameOf(b.spread, kSpreads)},
    };
    root[keyOf(EntryId::FloorPopulations)] = texts(project.inputs.floors.floorPopulations);
    if (project.elevatorEntered)
        root[QLatin1String("elevator")] = elevatorJson(project.inputs.elevator);
    if (project.sizing) {
        const engine::SizingEntries& s = *project.sizing;
        root[QLatin1String("sizing")] = QJsonObject{
            {keyOf(EntryId::SizingHcPercent), text(s.hcPercent)},
            {keyOf(EntryId::SizingInterval), text(s.interval)},
            {keyOf(EntryId::SizingAwt), text(s.awt)},
            {keyOf(EntryId::SizingMaxCars), text(s.maxCars)},
            {keyOf(EntryId::SizingSpeeds), texts(s.speeds)},
            {keyOf(EntryId::SizingLeastCars), text(s.leastCars)},
            {keyOf(EntryId::SizingLeastLoad), text(s.leastLoad)},
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
    const QJsonObject b = read.object(root, QLatin1String("building"), QStringLiteral("building"));
    engine::ProjectData& building = project.inputs.project;
    building.projectName = read.text(b, EntryId::ProjectName);
    building.buildingType = read.choice(b, EntryId::BuildingType, kBuildingTypes);
    building.floorsServed = read.text(b, EntryId::FloorsServed);
    building.totalPopulation = read.text(b, EntryId::TotalPopulation);
    building.spread = read.choice(b, EntryId::Spread, kSpreads);
    project.inputs.floors.floorPopulations = read.texts(root, EntryId::FloorPopulations);
    project.elevatorEntered = root.contains(QLatin1String("elevator")) && !root.value(QLatin1String("elevator")).isNull();
    project.inputs.elevator = elevatorOf(read, root);
    project.sizing = sizingOf(read, root);
    project.simulation = simulationOf(read, root);
    if (read.failed())
        return {std::nullopt, read.reason()};
    return {std::move(project), {}};
}

}  // namespace trevalo::project
