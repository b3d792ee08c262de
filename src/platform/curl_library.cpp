// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/curl_library.h"

#include <dlfcn.h>

#include <cstdio>
#include <mutex>

namespace zelvik {

namespace {

template <class F>
bool Bind(void* lib, const char* name, F& out) {
  out = reinterpret_cast<F>(dlsym(lib, name));
  return out != nullptr;
}

const CurlLibrary* Load() {
  void* lib = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
  if (lib == nullptr) {
    std::fprintf(stderr, "zelvik: ftp: cannot load libcurl: %s\n", dlerror());
    return nullptr;
  }
  static CurlLibrary api;
  const bool ok = Bind(lib, "curl_global_init", api.global_init) && Bind(lib, "curl_easy_init", api.easy_init) &&
                  Bind(lib, "curl_easy_setopt", api.easy_setopt) && Bind(lib, "curl_easy_cleanup", api.easy_cleanup) &&
                  Bind(lib, "curl_easy_strerror", api.easy_strerror) && Bind(lib, "curl_multi_init", api.multi_init) &&
                  Bind(lib, "curl_multi_add_handle", api.multi_add_handle) &&
                  Bind(lib, "curl_multi_remove_handle", api.multi_remove_handle) &&
                  Bind(lib, "curl_multi_perform", api.multi_perform) &&
                  Bind(lib, "curl_multi_info_read", api.multi_info_read) &&
                  Bind(lib, "curl_multi_poll", api.multi_poll) && Bind(lib, "curl_multi_wakeup", api.multi_wakeup) &&
                  Bind(lib, "curl_multi_cleanup", api.multi_cleanup);
  if (!ok || api.global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
    std::fputs("zelvik: ftp: libcurl is too old (7.68 or later needed)\n", stderr);
    return nullptr;  // the library stays loaded: unloading a half-used one is not worth it
  }
  return &api;
}

}  // namespace

const CurlLibrary* Curl() {
  static std::once_flag once;
  static const CurlLibrary* api = nullptr;
  std::call_once(once, [] { api = Load(); });
  return api;
}

}  // namespace zelvik
