#pragma once

// The installed program run as a script runs it, on project files written for the purpose.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <optional>

namespace commandline {


// A project in the file's layout; the defaults are the worked example (residential, 10
// floors, 500 persons, even, 30 m, 3 m, 2CO 900, 5 %, 30 %, 20 %, 1.75 m/s, 1000 kg, 2 cars).
struct Entries {
    QString type = QStringLiteral("residential");
    QString floors = QStringLiteral("10");
    QString population = QStringLiteral("500");
    QJsonValue spread = QStringLiteral("even");
    QString travel = QStringLiteral("30");
    QString door = QStringLiteral("2CO");
    QString width = QStringLiteral("900");
    QString up = QStringLiteral("30");
    QString down = QStringLiteral("20");
    QString speed = QStringLiteral("1.75");
    bool fixed = true;
    QString load = QStringLiteral("1000");
    std::optional<QString> finishing;  // the machine room is requested when a weight is given
    std::optional<QJsonObject> sizing;
    QStringList floorRows = {};  // the floor population form's rows, floor 1 first
    std::optional<QJsonObject> simulation;
};

inline QByteArray projectFile(const Entries& e)
{
    const QJsonObject root{
        {"format", "trevalo-project"},
        {"version", 1},
        {"building", QJsonObject{{"projectName", "命令行"}, {"buildingType", e.type}, {"floorsServed", e.floors},
                                 {"totalPopulation", e.population}, {"spread", e.spread}}},
        {"floorPopulations", QJsonArray::fromStringList(e.floorRows)},
        {"elevator", QJsonObject{{"travel", e.travel}, {"floorHeight", "3"}, {"doorType", e.door}, {"doorWidth", e.width},
                                 {"lossPercent", "5"}, {"upPercent", e.up}, {"downPercent", e.down},
                                 {"ratedSpeed", e.speed}, {"fixedConfiguration", e.fixed}, {"ratedLoad", e.load},
                                 {"carCount", "2"}, {"machineRoomRequested", e.finishing.has_value()},
                                 {"finishingWeight", e.finishing.value_or(QString())}}},
    };
    QJsonObject project = root;
    if (e.sizing)
        project[QStringLiteral("sizing")] = *e.sizing;
    if (e.simulation)
        project[QStringLiteral("simulation")] = *e.simulation;
    return QJsonDocument(project).toJson();
}

inline QJsonObject sizing(const char* hc, const char* interval, const char* awt, const char* cars, QJsonArray speeds)
{
    return {{"hcPercent", hc}, {"interval", interval}, {"awt", awt}, {"maxCars", cars}, {"speeds", speeds}};
}

// The program as a script runs it: no display to reach, though the desktop's platform is named;
// a verb that loaded the platform plugin would abort.
struct Run {
    int status = -1;
    QByteArray out;
    QString err;
};

inline Run trevalo(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TREVALO_PROGRAM), arguments);
    if (!process.waitForFinished(60000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

inline QJsonArray strings(std::initializer_list<const char*> texts)
{
    QJsonArray array;
    for (const char* text : texts)
        array.append(QString::fromUtf8(text));
    return array;
}

inline const QJsonArray kHeaders = strings({"载重/人数", "UP", "DN", "RTT(SEC)", "HC(%)", "HC(PERSONS)", "PS(UP)", "HR"});

// Writes content as the file name in folder; its path.
inline QString writeFile(const QTemporaryDir& folder, const QByteArray& content,
                         const QString& name = QStringLiteral("p.trevalo"))
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(content);
    return path;
}

}  // namespace commandline
