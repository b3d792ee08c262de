#pragma once

// Shared helpers of the window tests (filled in as the tests need them).
