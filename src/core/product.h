// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace zelvik::product {

// The maker's addresses. The hosts are placeholders until the maker supplies real ones;
// tests point the update at their own server through kUpdateServerEnv.
inline constexpr const char kUpdateServer[] = "ftp://ftp.zelvik.example/";
inline constexpr const char kUpdateServerEnv[] = "ZELVIK_UPDATE_SERVER";
inline constexpr const char kUpdateFolder[] = "updateMW/";
inline constexpr const char kListFileName[] = "list.ini";
inline constexpr const char kSignatureSuffix[] = ".sig";
inline constexpr const char kDownloadPage[] = "https://www.zelvik.example/download/";
inline constexpr const char kShopPage[] = "https://shop.zelvik.example/";

// The file name of the program as it ships.
inline constexpr const char kProgramName[] = "zelvik";

// The server to check: $ZELVIK_UPDATE_SERVER when set and not empty, else kUpdateServer.
std::string UpdateServer();
bool UpdateServerOverridden();

// The running copy's version text, the build's project version ("4.2").
const char* RunningVersion();

}  // namespace zelvik::product
