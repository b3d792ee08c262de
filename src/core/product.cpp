// SPDX-License-Identifier: GPL-3.0-or-later
#include "product.h"

#include <cstdlib>

#include "project_info.h"

namespace zelvik::product {

std::string UpdateServer() {
  const char* server = std::getenv(kUpdateServerEnv);
  return server && *server ? std::string(server) : std::string(kUpdateServer);
}

bool UpdateServerOverridden() {
  const char* server = std::getenv(kUpdateServerEnv);
  return server && *server;
}

const char* RunningVersion() { return kProjectVersion; }

}  // namespace zelvik::product
