// SPDX-License-Identifier: GPL-3.0-or-later
// Shared helpers of the window tests.
#include "support/ui_test_support.h"
