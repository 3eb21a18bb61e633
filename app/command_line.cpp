#include "app/command_line.h"

#include "app/headless_commands.h"
#include "app/launch.h"

#include <QCoreApplication>
#include <QCommandLineParser>
#include <QFile>

#include <cstdio>
#include <algorithm>
#include <functional>
#include <vector>

namespace trevalo {

namespace {

// A verb that works without the windows: its option names, what its value is, and what it does.
struct Verb {
    QStringList names;
    QString description;
    std::function<int(const QString& file, const QCommandLineParser& parser)> run;
};

QCommandLineOption outputOption()
{
    return {{QStringLiteral("o"), QStringLiteral("output")},
            QStringLiteral("用 --export 或 --size 时：工作簿的文件名（.xlsx 工作簿或 .xltx 模板）。"),
            QStringLiteral("OUT")};
}

QCommandLineOption traceOption()
{
    return {QStringLiteral("trace"), QStringLiteral("用 --simulate 时：把每位乘客的到达、上车和到达目的层的时刻写入 CSV 文件 OUT。"),
            QStringLiteral("OUT")};
}

std::vector<Verb> verbs()
{
    return {
        {{QStringLiteral("calculate")},
         QStringLiteral("计算项目文件 FILE，把结果窗体显示的内容（或提示）以 JSON 写到标准输出。"),
         [](const QString& file, const QCommandLineParser&) { return printCalculation(file); }},
        {{QStringLiteral("export")},
         QStringLiteral("计算项目文件 FILE，把\"生成Excel表格\"所写的工作簿保存为 -o 指定的文件。"),
         [](const QString& file, const QCommandLineParser& parser) {
             const QString out = parser.value(outputOption());
             if (out.isEmpty()) {
                 std::fputs("trevalo: --export 需要 -o OUT\n", stderr);
                 return kExitUnreadable;
             }
             return exportCalculation(file, out);
         }},
        {{QStringLiteral("size")},
         QStringLiteral("对项目文件 FILE 做电梯选型，把满足设计目标的配置（或最接近的配置）以 JSON 写到标准输出；"
                        "有 -o 时把选型窗口\"生成Excel表格\"所写的工作簿保存为 OUT。"),
         [](const QString& file, const QCommandLineParser& parser) {
             const QString out = parser.value(outputOption());
             return out.isEmpty() ? printSizing(file) : exportSizing(file, out);
         }},
        {{QStringLiteral("simulate")},
         QStringLiteral("对项目文件 FILE 做上行高峰交通仿真，把候梯时间等仿真结果（或提示）以 JSON 写到标准输出。"),
         [](const QString& file, const QCommandLineParser& parser) {
             return printSimulation(file, parser.value(traceOption()));
         }},
    };
}

// Qt's own help and version options print English; these say the same in Chinese.
QCommandLineOption helpOption()
{
    return {{QStringLiteral("h"), QStringLiteral("?"), QStringLiteral("help"), QStringLiteral("help-all")},
            QStringLiteral("显示本帮助。")};
}

QCommandLineOption versionOption()
{
    return {{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("显示版本号。")};
}

QString optionLine(const QString& names, const QString& description)
{
    return QStringLiteral("  %1\n      %2\n").arg(names, description);
}

QString helpText(const std::vector<Verb>& commands)
{
    QString text = QStringLiteral("用法：trevalo [选项] [FILE]\n"
                                  "Trevalo 电梯交通分析：楼宇上行高峰时的电梯交通计算。\n\n选项：\n");
    text += optionLine(QStringLiteral("-h, --help"), helpOption().description());
    text += optionLine(QStringLiteral("-v, --version"), versionOption().description());
    for (const Verb& verb : commands)
        text += optionLine(QStringLiteral("--%1 <FILE>").arg(verb.names.constFirst()), verb.description);
    text += optionLine(QStringLiteral("-o, --output <OUT>"), outputOption().description());
    text += optionLine(QStringLiteral("--trace <OUT>"), traceOption().description());
    text += QStringLiteral("\n参数：\n") + optionLine(QStringLiteral("[FILE]"), QStringLiteral("打开的项目文件（.trevalo）。"));
    text += QStringLiteral("\n退出状态：0 完成；1 项目文件无法读取或工作簿无法写入；2 输入数据有误，提示以 JSON 写到标准输出。\n");
    return text;
}

void printOut(const QString& text)
{
    std::fputs(text.toUtf8().constData(), stdout);
}

// The options every run understands, on a parser of its own.
void addOptions(QCommandLineParser& parser, const std::vector<Verb>& commands)
{
    parser.addOption(helpOption());
    parser.addOption(versionOption());
    for (const Verb& verb : commands)
        parser.addOption(QCommandLineOption(verb.names, verb.description, QStringLiteral("FILE")));
    parser.addOption(outputOption());
    parser.addOption(traceOption());
}

// The parser names an unknown option without its dashes; the user typed one before a letter
// and two before a word.
QString typedOption(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

}  // namespace

bool runsWithoutWindows(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    const std::vector<Verb> commands = verbs();
    addOptions(parser, commands);
    // A command line that cannot be parsed is answered on the terminal, display or not.
    if (!parser.parse(arguments) || parser.isSet(helpOption()) || parser.isSet(versionOption()))
        return true;
    return std::ranges::any_of(commands, [&parser](const Verb& verb) { return parser.isSet(verb.names.constFirst()); });
}

int runCommandLine(QCoreApplication& application)
{
    QCoreApplication::setApplicationName(QStringLiteral("trevalo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TREVALO_VERSION));
    QCommandLineParser parser;
    const std::vector<Verb> commands = verbs();
    addOptions(parser, commands);
    if (!parser.parse(QCoreApplication::arguments())) {
        // The parser's own message is English.
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty()) {
            std::fputs("trevalo: 选项缺少值，见 trevalo --help\n", stderr);
        } else {
            const QString line = QStringLiteral("trevalo: 未知的选项：%1\n").arg(typedOption(unknown.constFirst()));
            std::fputs((line + QLatin1Char('\n') + helpText(commands)).toUtf8().constData(), stderr);
        }
        return kExitUnreadable;
    }
    if (parser.isSet(helpOption())) {
        printOut(helpText(commands));
        return kExitResult;
    }
    if (parser.isSet(versionOption())) {
        printOut(QStringLiteral("trevalo %1\n").arg(QCoreApplication::applicationVersion()));
        return kExitResult;
    }

    const Verb* chosen = nullptr;
    for (const Verb& verb : commands) {
        if (!parser.isSet(verb.names.constFirst()))
            continue;
        if (chosen != nullptr) {
            std::fputs("trevalo: 一次只能执行一个命令\n", stderr);
            return kExitUnreadable;
        }
        chosen = &verb;
    }
    if (chosen != nullptr) {
        if (!parser.positionalArguments().isEmpty()) {
            std::fputs("trevalo: 命令之外多了文件名\n", stderr);
            return kExitUnreadable;
        }
        return chosen->run(parser.value(chosen->names.constFirst()), parser);
    }
    if (parser.positionalArguments().size() > 1) {
        std::fputs("trevalo: 只能打开一个项目文件\n", stderr);
        return kExitUnreadable;
    }
    // Only a QApplication shows windows; main builds one unless a verb was asked for.
    if (!application.inherits("QApplication")) {
        std::fputs("trevalo: 没有可执行的命令\n", stderr);
        return kExitUnreadable;
    }
    launch(parser.positionalArguments().value(0));
    return QCoreApplication::exec();
}

}  // namespace trevalo
