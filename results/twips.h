#pragma once

#include <QPoint>
#include <QSize>

namespace trevalo::results {

// Form positions and sizes are given in twips; at 96 logical dots per inch a pixel is 15 twips.
constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) { return twips / kTwipsPerPixel; }
constexpr QPoint pointAt(int leftTwips, int topTwips) { return {px(leftTwips), px(topTwips)}; }
constexpr QSize sizeOf(int widthTwips, int heightTwips) { return {px(widthTwips), px(heightTwips)}; }

}  // namespace trevalo::results
