#include "engine/simulation/student_t.h"

#include <array>
#include <cmath>

namespace trevalo::engine {

namespace {

// t(0.975, nu) for nu = 1 ... 30, from the statistical tables.
constexpr std::array<double, 30> kTable{
    12.706204736, 4.302652730, 3.182446305, 2.776445105, 2.570581836, 2.446911851, 2.364624252, 2.306004135,
    2.262157163,  2.228138852, 2.200985160, 2.178812830, 2.160368656, 2.144786688, 2.131449546, 2.119905299,
    2.109815578,  2.100922040, 2.093024054, 2.085963447, 2.079613845, 2.073873068, 2.068657610, 2.063898562,
    2.059538553,  2.055529439, 2.051830516, 2.048407142, 2.045229642, 2.042272456};

}  // namespace

double studentT95(int degreesOfFreedom)
{
    if (degreesOfFreedom <= static_cast<int>(kTable.size()))
        return kTable[static_cast<std::size_t>(degreesOfFreedom < 1 ? 1 : degreesOfFreedom) - 1];
    // Beyond the table, the Cornish-Fisher expansion about the normal quantile, good to 1e-7
    // from 30 degrees of freedom on.
    const double z = 1.959963984540054;
    const double n = degreesOfFreedom;
    const double z2 = z * z;
    return z + z * (z2 + 1) / (4 * n) + z * ((5 * z2 + 16) * z2 + 3) / (96 * n * n) +
           z * (((3 * z2 + 19) * z2 + 17) * z2 - 15) / (384 * n * n * n) +
           z * ((((79 * z2 + 776) * z2 + 1482) * z2 - 1920) * z2 - 945) / (92160 * n * n * n * n);
}

}  // namespace trevalo::engine
