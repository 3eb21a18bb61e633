#include "app/tests/random_entries.h"

#include <algorithm>

namespace trevalo::testing {

QString RandomEntries::entry(EntryKind kind, int floors, int awkwardPercent)
{
    // Blanks, signs, exponents beyond a double, the &H and &O prefixes, a comma for a
    // decimal point, full-width digits, Chinese, long runs of digits.
    if (chance(awkwardPercent))
        return chance(20) ? QString::number(m_random.generate64()) + (chance(50) ? ".5" : "")
                          : pickFrom({"", " ", "abc", "x1", "-5", "-0", "0", "-0.0", "1e308", "1E400", "-1e400",
                                      "1e-320", "99999999999999999999", "0.000001", "1,5", "+7", ".5", " 1 2 ", "2e3",
                                      "nan", "inf", "&H1F", "&O17", "&HFFFF", "12abc", "0x10", "-", ".", "e5",
                                      QStringLiteral("测试"), QStringLiteral("１２"), QStringLiteral("三层")});
    const double served = std::clamp(floors, 1, 200);
    switch (kind) {
    case EntryKind::ProjectName:
        return pickFrom({QStringLiteral("测试项目"), "Tower 7", QStringLiteral("住宅/二期:东*区?"), "", "a<b>|c\"d"});
    case EntryKind::Floors: return QString::number(chance(70) ? between(2, 40) : between(41, 200));
    case EntryKind::Population: return chance(85) ? QString::number(between(50, 5000)) : decimal(10, 3000, 2);
    case EntryKind::FloorPopulation: return chance(85) ? QString::number(between(0, 200)) : decimal(0, 100, 1);
    case EntryKind::Travel: return decimal(served * 4.0, served * 5.5, 1);
    case EntryKind::FloorHeight: return decimal(2.8, 5.0, chance(50) ? 1 : 2);
    case EntryKind::ExpressDistance: return decimal(0, served * 2.0, 1);
    case EntryKind::DoorWidth: return QString::number(chance(70) ? between(80, 150) * 10 : between(70, 300) * 10);
    case EntryKind::LossPercent: return QString::number(between(0, 15));
    // Shares below about a fifth give less than one probable stop, which the analysis refuses.
    case EntryKind::SharePercent: return QString::number(chance(70) ? between(4, 20) * 5 : between(0, 100));
    case EntryKind::Speed: return chance(60) ? pickFrom({"1", "1.5", "1.75", "2", "2.5", "3", "4", "6"}) : decimal(0.5, 8, 2);
    case EntryKind::RatedLoad: return QString::number(chance(60) ? between(9, 24) * 75 : between(300, 2500));
    case EntryKind::Cars: return QString::number(between(1, 12));
    case EntryKind::FinishingWeight: return QString::number(between(0, 1500));
    }
    return {};
}

}  // namespace trevalo::testing
