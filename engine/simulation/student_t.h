#pragma once

namespace trevalo::engine {

// The two-sided 95 % quantile of Student's t with the given degrees of freedom (at least 1):
// the factor of a confidence half-width from a handful of replications.
double studentT95(int degreesOfFreedom);

}  // namespace trevalo::engine
