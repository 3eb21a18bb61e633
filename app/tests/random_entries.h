#pragma once

#include <QRandomGenerator>
#include <QStringList>

#include <cstdint>

namespace trevalo::testing {

// What an entry box holds, so a plausible value can be made for it.
enum class EntryKind {
    ProjectName, Floors, Population, FloorPopulation, Travel, FloorHeight, ExpressDistance,
    DoorWidth, LossPercent, SharePercent, Speed, RatedLoad, Cars, FinishingWeight,
};

// Seeded source of a random road's choices and typed texts: mostly values an engineer
// would enter, now and then blanks, letters, signs, huge or tiny numbers, decimals with a
// comma, full-width digits and Chinese text.
class RandomEntries {
public:
    explicit RandomEntries(std::uint64_t seed);

    bool chance(int percent) { return below(100) < percent; }
    int below(int bound) { return static_cast<int>(m_random.bounded(static_cast<quint32>(bound))); }
    int between(int lowest, int highest) { return lowest + below(highest - lowest + 1); }
    QString pickFrom(const QStringList& items) { return items[below(static_cast<int>(items.size()))]; }

    // A value an engineer would type for this box; floors sizes the distances.
    QString plausible(EntryKind kind, int floors);
    // A text the program must read without harm, whatever box it lands in.
    QString awkward();
    QString entry(EntryKind kind, int floors, int awkwardPercent) {
        return chance(awkwardPercent) ? awkward() : plausible(kind, floors);
    }

private:
    QString decimal(double lowest, double highest, int decimals);

    QRandomGenerator m_random;
};

}  // namespace trevalo::testing
