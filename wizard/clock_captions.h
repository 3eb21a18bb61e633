#pragma once

#include <QDateTime>
#include <QString>

namespace trevalo {

// The date and the time of a moment as the building data form shows them, in the system
// locale's short formats; a workbook written from the command line dates itself the same way.
struct ClockCaptions {
    QString date;
    QString time;
};
ClockCaptions clockCaptions(const QDateTime& moment);

}  // namespace trevalo
