#include "wizard/clock_captions.h"

#include <QLocale>

namespace trevalo {

ClockCaptions clockCaptions(const QDateTime& moment)
{
    const QLocale locale = QLocale::system();
    return {locale.toString(moment.date(), QLocale::ShortFormat), locale.toString(moment.time(), QLocale::ShortFormat)};
}

}  // namespace trevalo
