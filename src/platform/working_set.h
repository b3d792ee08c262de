#pragma once

namespace zelvik {

// Hands memory the allocator no longer uses back to the system, once start-up is done.
void TrimWorkingSet();

}  // namespace zelvik
