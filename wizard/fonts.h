#pragma once

#include <QString>

class QApplication;

namespace trevalo {

// Makes a CJK-capable family (Noto Sans CJK SC when installed) the application
// font at 9 points when the platform's default family has no Chinese glyphs.
void useCjkFont(QApplication& application);

// The installed family for the splash title: 宋体 (SimSun) where present,
// otherwise a CJK serif face, otherwise the application's family.
QString splashTitleFamily();

}  // namespace trevalo
