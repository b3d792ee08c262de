#include "product.h"

#include <cstdlib>

#ifndef ZELVIK_VERSION
#error "the build defines ZELVIK_VERSION from the project version"
#endif

namespace zelvik::product {

std::string UpdateServer() {
  const char* server = std::getenv(kUpdateServerEnv);
  return server && *server ? std::string(server) : std::string(kUpdateServer);
}

bool UpdateServerOverridden() {
  const char* server = std::getenv(kUpdateServerEnv);
  return server && *server;
}

const char* RunningVersion() { return ZELVIK_VERSION; }

}  // namespace zelvik::product
