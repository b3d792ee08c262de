// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// A list file of `rows` rows as a takeoff has them: angles, channels, beams and plates in
// several materials, most of them priced.
std::string SampleListCsv(int rows);
