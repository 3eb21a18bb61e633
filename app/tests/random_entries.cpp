#include "app/tests/random_entries.h"

#include <algorithm>
#include <array>

namespace trevalo::testing {

namespace {

// Blanks, signs, exponents beyond a double, the &H and &O prefixes, a comma for a
// decimal point, full-width digits, Chinese.
const QStringList kAwkwardTexts{
    "", " ", "   ", "abc", "x1", "-5", "-0", "0", "-0.0", "1e308", "1E400", "-1e400", "1e-320",
    "99999999999999999999", "0.000001", "3.14159265358979", "1,5", "+7", ".5", "5.", " 1 2 ", "2e3",
    "nan", "inf", "&H1F", "&O17", "&HFFFF", "12abc", "0x10", "-", ".", "e5",
    QStringLiteral("测试"), QStringLiteral("十二"), QStringLiteral("１２"), QStringLiteral("三层"),
};

const QStringList kProjectNames{
    QStringLiteral("测试项目"), QStringLiteral("办公楼A座"), "Tower 7", QStringLiteral("住宅/二期:东*区?"), "", "   ",
    "...hidden", "a<b>|c\"d", QStringLiteral("中心大厦 第三期 高区电梯 方案比较 一二三四五六七八九十 一二三四五六七八九十"),
};

// Both halves of the seed count, so every 64-bit seed gives its own road.
std::array<quint32, 2> seedWords(std::uint64_t seed)
{
    return {static_cast<quint32>(seed & 0xFFFFFFFFu), static_cast<quint32>(seed >> 32)};
}

}  // namespace

RandomEntries::RandomEntries(std::uint64_t seed) : m_random(seedWords(seed).data(), 2) {}

QString RandomEntries::decimal(double lowest, double highest, int decimals)
{
    return QString::number(lowest + (highest - lowest) * m_random.generateDouble(), 'f', decimals);
}

QString RandomEntries::plausible(EntryKind kind, int floors)
{
    const double served = std::clamp(floors, 1, 200);
    switch (kind) {
    case EntryKind::ProjectName: return pickFrom(kProjectNames);
    case EntryKind::Floors: return QString::number(chance(70) ? between(2, 40) : between(41, 200));
    case EntryKind::Population: return chance(85) ? QString::number(between(50, 5000)) : decimal(10, 3000, 2);
    case EntryKind::FloorPopulation: return chance(85) ? QString::number(between(0, 200)) : decimal(0, 100, 1);
    case EntryKind::Travel: return decimal(served * 4.0, served * 5.5, 1);
    case EntryKind::FloorHeight: return decimal(2.8, 5.0, chance(50) ? 1 : 2);
    case EntryKind::ExpressDistance: return decimal(0, served * 2.0, 1);
    case EntryKind::DoorWidth: return QString::number(chance(70) ? between(80, 150) * 10 : between(70, 300) * 10);
    case EntryKind::LossPercent: return QString::number(between(0, 15));
    case EntryKind::SharePercent:
        // Shares below about a fifth give less than one probable stop, which the analysis refuses.
        return QString::number(chance(70) ? between(4, 20) * 5 : between(0, 100));
    case EntryKind::Speed: return chance(60) ? pickFrom({"1", "1.5", "1.75", "2", "2.5", "3", "4", "6"}) : decimal(0.5, 8, 2);
    case EntryKind::RatedLoad: return QString::number(chance(60) ? between(9, 24) * 75 : between(300, 2500));
    case EntryKind::Cars: return QString::number(between(1, 12));
    case EntryKind::FinishingWeight: return QString::number(between(0, 1500));
    }
    return {};
}

QString RandomEntries::awkward()
{
    if (chance(80))
        return pickFrom(kAwkwardTexts);
    // A long run of digits, sometimes with a decimal point, sometimes signed.
    QString digits;
    for (int i = between(1, 22); i > 0; --i)
        digits += QChar('0' + below(10));
    if (chance(40))
        digits.insert(below(static_cast<int>(digits.size()) + 1), QChar('.'));
    return chance(30) ? digits.prepend('-') : digits;
}

}  // namespace trevalo::testing
