#pragma once

#include <cmath>

namespace trevalo {

// Form geometry is stated in twips (1/1440 inch); at 96 logical dots per inch one
// logical pixel is 15 twips.
constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

}  // namespace trevalo
