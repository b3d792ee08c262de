// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared helpers of the window tests (filled in as the tests need them).
