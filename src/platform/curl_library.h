// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <curl/curl.h>

namespace zelvik {

// libcurl, loaded at the first download rather than linked: linked, it brings its TLS,
// Kerberos and LDAP libraries into every start of the program, about 4 MiB resident and a
// good part of the start-up time, for a check the user may never make.
struct CurlLibrary {
  CURLcode (*global_init)(long flags);
  CURL* (*easy_init)();
  CURLcode (*easy_setopt)(CURL* handle, CURLoption option, ...);
  void (*easy_cleanup)(CURL* handle);
  const char* (*easy_strerror)(CURLcode code);
  CURLM* (*multi_init)();
  CURLMcode (*multi_add_handle)(CURLM* multi, CURL* handle);
  CURLMcode (*multi_remove_handle)(CURLM* multi, CURL* handle);
  CURLMcode (*multi_perform)(CURLM* multi, int* running);
  CURLMsg* (*multi_info_read)(CURLM* multi, int* queued);
  CURLMcode (*multi_poll)(CURLM* multi, struct curl_waitfd extra[], unsigned int count, int timeoutMs, int* ready);
  CURLMcode (*multi_wakeup)(CURLM* multi);
  CURLMcode (*multi_cleanup)(CURLM* multi);
};

// The library, loaded and initialised once; nullptr (with one line on stderr) when it is not
// installed or lacks a function this program needs.
const CurlLibrary* Curl();

}  // namespace zelvik
