// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zelvik {

// Hands memory the allocator no longer uses back to the system, once start-up is done.
void TrimWorkingSet();

}  // namespace zelvik
