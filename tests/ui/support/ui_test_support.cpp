// Shared helpers of the window tests.
#include "support/ui_test_support.h"
