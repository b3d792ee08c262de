// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>

#include "update/update_services.h"

namespace zelvik::update {

inline constexpr const char kAskUpdateText[] = "有新版本发布,是否更新?";
inline constexpr const char kDownloadedText[] = "新版本下载成功,将运行新版本程序!";

// The running copy as the update sees it.
struct UpdateContext {
  std::filesystem::path folder;  // the executable's folder
  std::string selfName;          // the executable's file name
  std::string version;           // the running version text
  std::string server;            // "host" or "ftp://host:port/"
  std::ostream* log = nullptr;   // one line per refused or failed check (none when null)
};

struct CheckResult {
  int result = 0;         // 1: the new files are in place and the new program may start
  std::string upexe;      // the list's "upexe", once read
  bool asked = false;     // the Yes/No question was put
};

// Fetches the signed list, compares versions, asks, downloads every file into a staging
// folder, checks each against its SHA-256 and only then moves them all into place, with the
// list file (now naming this copy as "oldexe") beside them. Whatever fails or is refused
// leaves the folder as it was.
CheckResult CheckForUpdate(const UpdateContext& ctx, FtpClient& ftp, Files& files, Crypto& crypto,
                           Questions& questions);

enum class CleanUpResult {
  kNoList,       // no list file: nothing to do
  kSameCopy,     // this copy is the one that downloaded (list kept)
  kNoOldCopy,    // the old executable is not there (list kept)
  kRefusedName,  // "oldexe" is not a plain file name (list kept)
  kCleaned,      // the old copy was ended and its executable and the list deleted
};

struct CleanUpOutcome {
  CleanUpResult result = CleanUpResult::kNoList;
  std::string oldexe;
  int ended = 0;  // processes ended
};

// Run by a copy at start: when the list file names another copy ("oldexe") in this
// folder, ends that copy's processes, deletes its executable and the list file.
CleanUpOutcome CleanUpAfterUpdate(const UpdateContext& ctx, Files& files, Processes& processes);

const char* CleanUpResultName(CleanUpResult result);

}  // namespace zelvik::update
