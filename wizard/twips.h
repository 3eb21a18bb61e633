#pragma once

#include <QPoint>
#include <QSize>

#include <cmath>

namespace trevalo {

// Form geometry is stated in twips (1/1440 inch); at 96 logical dots per inch one
// logical pixel is 15 twips. A length between two pixels goes to the nearer one.
constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

inline QPoint pointAt(int leftTwips, int topTwips) { return {twipsToPixels(leftTwips), twipsToPixels(topTwips)}; }
inline QSize sizeOf(int widthTwips, int heightTwips) { return {twipsToPixels(widthTwips), twipsToPixels(heightTwips)}; }

}  // namespace trevalo
