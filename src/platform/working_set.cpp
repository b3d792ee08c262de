// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/working_set.h"

#include <malloc.h>

namespace zelvik {

void TrimWorkingSet() { malloc_trim(0); }

}  // namespace zelvik
