#pragma once

#include "engine/simulation/simulation_entries.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

namespace trevalo::project {

// The passengers a project file can keep and still stay within its size.
inline constexpr std::size_t kMostListedPassengers = 20000;

// A passenger list read from a CSV file, or why it was refused (in Chinese, naming the line).
struct PassengerCsv {
    std::vector<engine::PassengerEntry> passengers;
    QString problem;
};

// Lines of "arrival seconds,destination floor" (a passenger from the main floor) or "arrival
// seconds,origin floor,destination floor", UTF-8; a first line that holds no numbers is a header,
// blank lines are passed over. Floors count the served floors from 1, the first stop above the
// main floor; an origin or destination may also be 0, the main floor. With servedFloors given,
// a floor outside the building, or a trip to the floor it starts from, is refused naming its
// line; the times are the simulation's check.
PassengerCsv readPassengerCsv(const QByteArray& content, std::optional<int> servedFloors = std::nullopt);

}  // namespace trevalo::project
