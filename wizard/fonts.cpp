#include "wizard/fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace trevalo {

namespace {

bool writesChinese(const QString& family)
{
    return QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese);
}

QString firstInstalled(const QStringList& wanted)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : wanted)
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    return {};
}

}  // namespace

void useCjkFont(QApplication& application)
{
    QFont font = QApplication::font();
    if (writesChinese(font.family()))
        return;
    QString family = firstInstalled({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"),
                                     QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Microsoft YaHei")});
    if (family.isEmpty()) {
        const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
        if (chinese.isEmpty())
            return;
        family = chinese.first();
    }
    font.setFamily(family);
    font.setPointSizeF(9.0);
    application.setFont(font);
}

QString splashTitleFamily()
{
    const QString family = firstInstalled({QStringLiteral("宋体"), QStringLiteral("SimSun"),
                                           QStringLiteral("Noto Serif CJK SC"),
                                           QStringLiteral("Source Han Serif SC")});
    return family.isEmpty() ? QApplication::font().family() : family;
}

}  // namespace trevalo
