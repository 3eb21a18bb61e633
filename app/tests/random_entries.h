#pragma once

#include <QRandomGenerator>
#include <QString>

#include <cstdint>
#include <initializer_list>

namespace trevalo::testing {

// What an entry box holds, so a plausible value can be made for it.
enum class EntryKind {
    ProjectName,
    Floors,
    Population,
    FloorPopulation,
    Travel,
    FloorHeight,
    ExpressDistance,
    DoorWidth,
    LossPercent,
    SharePercent,
    Speed,
    RatedLoad,
    Cars,
    FinishingWeight,
};

// Seeded source of the choices and the typed texts of a random road: mostly values an
// engineer would enter, now and then blanks, letters, signs, huge or tiny numbers,
// decimals with a comma, full-width digits and Chinese text.
class RandomEntries {
public:
    explicit RandomEntries(std::uint64_t seed);

    bool chance(int percent);
    int below(int bound);
    int between(int lowest, int highest);  // both included
    template <class T>
    T pickFrom(std::initializer_list<T> items)
    {
        return *(items.begin() + below(static_cast<int>(items.size())));
    }

    // A value an engineer would type for this box; floors sizes the travel.
    QString plausible(EntryKind kind, int floors);
    // A text the analysis must read without harm, whatever box it lands in.
    QString awkward();
    // Mostly plausible, sometimes awkward.
    QString entry(EntryKind kind, int floors, int awkwardPercent = 15);

private:
    QString decimal(double lowest, double highest, int decimals);

    QRandomGenerator m_random;
};

}  // namespace trevalo::testing
