#pragma once

#include "engine/simulation_entries.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <vector>

namespace trevalo::project {

// The passengers a project file can keep and still stay within its size.
inline constexpr std::size_t kMostListedPassengers = 20000;

// A passenger list read from a CSV file, or why it was refused (in Chinese, naming the line).
struct PassengerCsv {
    std::vector<engine::PassengerEntry> passengers;
    QString problem;
};

// Lines of "arrival seconds,destination floor", UTF-8; a first line that holds no numbers
// is a header, blank lines are passed over. Whether a time or floor fits the building is the
// simulation's check, not the reader's.
PassengerCsv readPassengerCsv(const QByteArray& content);

}  // namespace trevalo::project
