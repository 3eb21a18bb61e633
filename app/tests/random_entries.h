#pragma once

#include <QRandomGenerator>
#include <QStringList>

namespace trevalo::testing {

// What an entry box holds, so a plausible value can be made for it.
enum class EntryKind {
    ProjectName, Floors, Population, FloorPopulation, Travel, FloorHeight, ExpressDistance,
    DoorWidth, LossPercent, SharePercent, Speed, RatedLoad, Cars, FinishingWeight,
};

// Seeded source of a random road's choices and typed texts: mostly values an engineer
// would enter, now and then blanks, letters, signs, huge or tiny numbers, a comma for a
// decimal point, full-width digits and Chinese text.
class RandomEntries {
public:
    explicit RandomEntries(quint64 seed) : m_random(QList<quint32>{quint32(seed), quint32(seed >> 32)}.data(), 2) {}

    bool chance(int percent) { return below(100) < percent; }
    int below(int bound) { return static_cast<int>(m_random.bounded(static_cast<quint32>(bound))); }
    int between(int lowest, int highest) { return lowest + below(highest - lowest + 1); }
    QString pickFrom(const QStringList& items) { return items[below(static_cast<int>(items.size()))]; }
    // A value for this box, awkward in awkwardPercent of the draws; floors sizes the distances.
    QString entry(EntryKind kind, int floors, int awkwardPercent);

private:
    QString decimal(double lowest, double highest, int decimals)
    {
        return QString::number(lowest + (highest - lowest) * m_random.generateDouble(), 'f', decimals);
    }

    QRandomGenerator m_random;
};

}  // namespace trevalo::testing
