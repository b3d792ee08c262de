#include "platform/working_set.h"

#include <malloc.h>

namespace zelvik {

void TrimWorkingSet() { malloc_trim(0); }

}  // namespace zelvik
