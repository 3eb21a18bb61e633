#include "app/tests/random_entries.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace trevalo::testing {

namespace {

// Texts that exercise the number reading: blanks, signs, exponents beyond a double,
// the &H and &O prefixes, a comma for a decimal point, full-width digits, Chinese.
const QStringList kAwkwardTexts{
    QString(), QStringLiteral(" "), QStringLiteral("   "), QStringLiteral("abc"), QStringLiteral("x1"),
    QStringLiteral("-5"), QStringLiteral("-0"), QStringLiteral("0"), QStringLiteral("-0.0"),
    QStringLiteral("1e308"), QStringLiteral("1E400"), QStringLiteral("-1e400"), QStringLiteral("1e-320"),
    QStringLiteral("99999999999999999999"), QStringLiteral("0.000001"), QStringLiteral("3.14159265358979"),
    QStringLiteral("1,5"), QStringLiteral("+7"), QStringLiteral(".5"), QStringLiteral("5."),
    QStringLiteral(" 1 2 "), QStringLiteral("2e3"), QStringLiteral("nan"), QStringLiteral("inf"),
    QStringLiteral("&H1F"), QStringLiteral("&O17"), QStringLiteral("&HFFFF"), QStringLiteral("12abc"),
    QStringLiteral("0x10"), QStringLiteral("-"), QStringLiteral("."), QStringLiteral("e5"),
    QStringLiteral("测试"), QStringLiteral("十二"), QStringLiteral("１２"), QStringLiteral("三层"),
};

const QStringList kProjectNames{
    QStringLiteral("测试项目"), QStringLiteral("办公楼A座"), QStringLiteral("Tower 7"),
    QStringLiteral("住宅/二期:东*区?"), QString(), QStringLiteral("   "), QStringLiteral("...hidden"),
    QStringLiteral("a<b>|c\"d"), QStringLiteral("中心大厦 第三期 高区电梯 方案比较 一二三四五六七八九十 "
                                                 "一二三四五六七八九十 一二三四五六七八九十 一二三四五六七八九十"),
};

}  // namespace

namespace {

// Both halves of the seed count, so every 64-bit seed gives its own road.
std::array<quint32, 2> seedWords(std::uint64_t seed)
{
    return {static_cast<quint32>(seed & 0xFFFFFFFFu), static_cast<quint32>(seed >> 32)};
}

}  // namespace

RandomEntries::RandomEntries(std::uint64_t seed) : m_random(seedWords(seed).data(), 2) {}

bool RandomEntries::chance(int percent)
{
    return below(100) < percent;
}

int RandomEntries::below(int bound)
{
    return static_cast<int>(m_random.bounded(static_cast<quint32>(bound)));
}

int RandomEntries::between(int lowest, int highest)
{
    return lowest + below(highest - lowest + 1);
}

QString RandomEntries::decimal(double lowest, double highest, int decimals)
{
    const double value = lowest + (highest - lowest) * m_random.generateDouble();
    return QString::number(value, 'f', decimals);
}

QString RandomEntries::plausible(EntryKind kind, int floors)
{
    const int served = std::clamp(floors, 1, 200);
    switch (kind) {
    case EntryKind::ProjectName:
        return kProjectNames[below(static_cast<int>(kProjectNames.size()))];
    case EntryKind::Floors:
        if (chance(70))
            return QString::number(between(2, 40));
        if (chance(50))
            return QString::number(between(41, 129));
        return chance(70) ? QString::number(between(130, 200)) : decimal(1, 30, 1);
    case EntryKind::Population:
        return chance(85) ? QString::number(between(50, 5000)) : decimal(10, 3000, 2);
    case EntryKind::FloorPopulation:
        return chance(85) ? QString::number(between(0, 200)) : decimal(0, 100, 1);
    case EntryKind::Travel:
        return decimal(served * 4.0, served * 5.5, 1);
    case EntryKind::FloorHeight:
        return decimal(2.8, 5.0, chance(50) ? 1 : 2);
    case EntryKind::ExpressDistance:
        return decimal(0, served * 2.0, 1);
    case EntryKind::DoorWidth:
        if (chance(50))
            return pickFrom({QStringLiteral("800"), QStringLiteral("900"), QStringLiteral("1000"), QStringLiteral("1100")});
        return QString::number(chance(70) ? between(80, 150) * 10 : between(70, 300) * 10);
    case EntryKind::LossPercent:
        return QString::number(between(0, 15));
    case EntryKind::SharePercent:
        // Shares below about a fifth give less than one probable stop, which the analysis refuses.
        if (chance(70))
            return QString::number(between(4, 20) * 5);
        return chance(50) ? QStringLiteral("0") : QString::number(between(0, 100));
    case EntryKind::Speed:
        if (chance(60))
            return pickFrom({QStringLiteral("1"), QStringLiteral("1.5"), QStringLiteral("1.75"), QStringLiteral("2"),
                             QStringLiteral("2.5"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("6")});
        return decimal(0.5, 8, 2);
    case EntryKind::RatedLoad:
        return chance(60) ? QString::number(between(9, 24) * 75) : QString::number(between(300, 2500));
    case EntryKind::Cars:
        return QString::number(between(1, 12));
    case EntryKind::FinishingWeight:
        return QString::number(between(0, 1500));
    }
    return {};
}

QString RandomEntries::awkward()
{
    if (chance(80))
        return kAwkwardTexts[below(static_cast<int>(kAwkwardTexts.size()))];
    // A long run of digits, sometimes signed, sometimes with a decimal point.
    QString digits;
    const int length = between(1, 22);
    for (int i = 0; i < length; ++i)
        digits += QChar('0' + below(10));
    if (chance(40))
        digits.insert(below(static_cast<int>(digits.size()) + 1), QChar('.'));
    if (chance(30))
        digits.prepend(QChar('-'));
    return digits;
}

QString RandomEntries::entry(EntryKind kind, int floors, int awkwardPercent)
{
    return chance(awkwardPercent) ? awkward() : plausible(kind, floors);
}

}  // namespace trevalo::testing
