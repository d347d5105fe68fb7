// SPDX-License-Identifier: MIT
#include "solve/steps.h"

namespace zifora {

void PairsStep(Board& /*board*/, SolveTables& /*tables*/) { }

} // namespace zifora
