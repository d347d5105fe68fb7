// SPDX-License-Identifier: MIT
#include "solve/steps.h"

namespace zifora {

void SinglesStep(Board& /*board*/, SolveTables& /*tables*/) { }

} // namespace zifora
