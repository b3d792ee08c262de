// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/update_check.h"

#include <ostream>
#include <set>

#include "product.h"
#include "update/list_file.h"
#include "update/staged_move.h"
#include "update/update_list.h"
#include "update/update_names.h"
#include "util/numbers.h"

namespace zelvik::update {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kSignatureMaxBytes = 1024;

void Log(const UpdateContext& ctx, const std::string& line) {
  if (ctx.log != nullptr) *ctx.log << "zelvik: update: " << line << "\n" << std::flush;
}

// Removes the staging folder and closes the connection on every way out of the check.
class CheckScope {
 public:
  CheckScope(FtpClient& ftp, Files& files, fs::path staging) : ftp_(ftp), files_(files), staging_(std::move(staging)) {}
  ~CheckScope() {
    if (connected_) ftp_.CloseConnection();
    files_.RemoveAll(staging_);
  }
  CheckScope(const CheckScope&) = delete;
  CheckScope& operator=(const CheckScope&) = delete;
  void SetConnected() { connected_ = true; }

 private:
  FtpClient& ftp_;
  Files& files_;
  fs::path staging_;
  bool connected_ = false;
};

// A name may not lead out of the folder through a symbolic link already there.
bool StaysInFolder(const fs::path& folder, const std::string& name) {
  fs::path p = folder;
  const fs::path rel(name);
  for (auto it = rel.begin(); it != rel.end(); ++it) {
    p /= *it;
    std::error_code ec;
    const fs::file_status st = fs::symlink_status(p, ec);
    if (fs::is_symlink(st)) return false;
    if (!fs::exists(st)) return true;
  }
  return true;
}

std::string Lower(std::string s) {
  for (char& c : s) {
    if (c >= 'A' && c <= 'F') c = static_cast<char>(c + 32);
  }
  return s;
}

}  // namespace

CheckResult CheckForUpdate(const UpdateContext& ctx, FtpClient& ftp, Files& files, Crypto& crypto,
                           Questions& questions) {
  CheckResult r;
  if (!files.CanUpdateFolder(ctx.folder)) {
    Log(ctx, "this copy's folder " + ctx.folder.string() + " is not its own to update; see the download page");
    return r;
  }
  const fs::path staging = ctx.folder / kStagingFolder;
  // Left over by a check that was cut short.
  files.RemoveAll(staging);
  CheckScope scope(ftp, files, staging);
  if (!files.CreateFolders(staging / "files")) {
    Log(ctx, "cannot create " + staging.string());
    return r;
  }
  if (!ftp.ConnectServer(ctx.server)) {
    Log(ctx, "cannot connect to " + ctx.server);
    return r;
  }
  scope.SetConnected();

  const std::string remoteList = std::string(product::kUpdateFolder) + product::kListFileName;
  const fs::path stagedList = staging / product::kListFileName;
  const fs::path stagedSignature = staging / (std::string(product::kListFileName) + product::kSignatureSuffix);
  if (!ftp.GetFile(remoteList, stagedList)) {
    Log(ctx, "cannot download " + remoteList);
    return r;
  }
  if (!ftp.GetFile(remoteList + product::kSignatureSuffix, stagedSignature)) {
    Log(ctx, "the list file is not signed (no " + remoteList + product::kSignatureSuffix + ")");
    return r;
  }
  const std::optional<std::string> listBytes = files.ReadSmallFile(stagedList, kListFileMaxBytes);
  const std::optional<std::string> signature = files.ReadSmallFile(stagedSignature, kSignatureMaxBytes);
  if (!listBytes || !signature || !crypto.VerifyList(*listBytes, *signature)) {
    Log(ctx, "the list file's signature does not match the release key");
    return r;
  }

  CIniFile list;
  if (!list.OpenIniFile(stagedList)) {
    Log(ctx, "cannot read the list file");
    return r;
  }
  const UpdateList offer = ReadUpdateList(list.text());
  r.upexe = offer.upexe;
  if (!(ParseLeadingDouble(offer.newVersion) > ParseLeadingDouble(ctx.version))) return r;

  if (const std::optional<std::string> problem = UpdateListProblem(offer, true)) {
    Log(ctx, "refused: " + *problem);
    return r;
  }
  for (const std::string& name : offer.names) {
    if (!StaysInFolder(ctx.folder, name)) {
      Log(ctx, "refused: \"" + name + "\" leads out of the program's folder");
      return r;
    }
  }

  r.asked = true;
  if (!questions.AskYesNo(kAskUpdateText)) return r;

  std::vector<std::string> remote;
  std::vector<fs::path> local;
  for (const std::string& name : offer.names) {
    remote.push_back(std::string(product::kUpdateFolder) + name);
    local.push_back(staging / "files" / name);
    if (!files.CreateFolders(local.back().parent_path())) {
      Log(ctx, "cannot create " + local.back().parent_path().string());
      return r;
    }
  }
  if (const int failed = ftp.GetFiles(remote, local); failed != 0) {
    Log(ctx, std::to_string(failed) + " of " + std::to_string(remote.size()) + " files could not be downloaded");
    return r;
  }
  for (std::size_t i = 0; i < local.size(); ++i) {
    const std::optional<std::string> hash = crypto.Sha256Hex(local[i]);
    if (!hash || *hash != Lower(offer.hashes[i])) {
      Log(ctx, "\"" + offer.names[i] + "\" does not match its SHA-256");
      return r;
    }
  }
  const fs::path stagedExe = staging / "files" / offer.upexe;
  if (!files.MakeExecutable(stagedExe)) {
    Log(ctx, "cannot make " + offer.upexe + " executable");
    return r;
  }
  if (!list.WriteSection("oldexe") || !list.SetValue("oldexe", ctx.selfName)) {
    Log(ctx, "cannot write the list file");
    return r;
  }
  list.CloseIniFile();

  std::vector<StagedFile> moves;
  for (std::size_t i = 0; i < local.size(); ++i) moves.push_back({local[i], ctx.folder / offer.names[i]});
  moves.push_back({stagedList, ctx.folder / product::kListFileName});
  if (!MoveAllIntoPlace(moves, staging / "old", files)) {
    Log(ctx, "cannot move the new files into place; the program's folder is unchanged");
    return r;
  }
  questions.Tell(kDownloadedText);
  r.result = 1;
  return r;
}

CleanUpOutcome CleanUpAfterUpdate(const UpdateContext& ctx, Files& files, Processes& processes) {
  CleanUpOutcome out;
  const fs::path listPath = ctx.folder / product::kListFileName;
  CIniFile list;
  if (!files.IsRegularFile(listPath) || !list.OpenIniFile(listPath)) return out;
  out.oldexe = list.GetValue("oldexe", "oldexe").value_or("");
  list.CloseIniFile();
  if (out.oldexe == ctx.selfName) {
    out.result = CleanUpResult::kSameCopy;
    return out;
  }
  if (out.oldexe.empty()) {
    out.result = CleanUpResult::kNoOldCopy;
    return out;
  }
  if (!IsPlainFileName(out.oldexe)) {
    Log(ctx, "the list file's oldexe \"" + out.oldexe + "\" is not a file name; left alone");
    out.result = CleanUpResult::kRefusedName;
    return out;
  }
  const fs::path oldExe = ctx.folder / out.oldexe;
  if (!files.IsRegularFile(oldExe)) {
    out.result = CleanUpResult::kNoOldCopy;
    return out;
  }
  out.ended = processes.EndProcessesOf(oldExe);
  files.Remove(oldExe);
  files.Remove(listPath);
  out.result = CleanUpResult::kCleaned;
  return out;
}

const char* CleanUpResultName(CleanUpResult result) {
  switch (result) {
    case CleanUpResult::kNoList: return "no-list";
    case CleanUpResult::kSameCopy: return "same-copy";
    case CleanUpResult::kNoOldCopy: return "no-old-copy";
    case CleanUpResult::kRefusedName: return "refused-name";
    case CleanUpResult::kCleaned: return "cleaned";
  }
  return "";
}

}  // namespace zelvik::update
