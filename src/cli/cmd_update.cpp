// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "json.h"
#include "options.h"
#include "platform/ftp_get.h"
#include "platform/processes.h"
#include "platform/update_crypto.h"
#include "product.h"
#include "update/update_check.h"

namespace zelvik::cli {

const char kUpdateUsage[] = R"(  zelvik-cli update check [--dir DIR] [--answer yes|no] [--self NAME]
      Checks the update server ($ZELVIK_UPDATE_SERVER, else the product's) for a copy named
      NAME (default zelvik) in DIR (default: this program's folder), answering the question
      as given (default no); on yes it downloads, verifies and moves the new files into DIR.
      Starts nothing. Prints {"result": 0|1, "upexe": ..., "asked": ...}.
  zelvik-cli update clean-up [--dir DIR] [--self NAME]
      What the copy named NAME in DIR does at start after an update: ends the old copy that
      list.ini names, deletes its executable and the list.
)";

namespace {

class AnsweringQuestions : public update::Questions {
 public:
  explicit AnsweringQuestions(bool yes) : yes_(yes) {}
  bool AskYesNo(const std::string&) override { return yes_; }
  void Tell(const std::string&) override {}

 private:
  bool yes_;
};

update::UpdateContext Context(const ParsedArgs& opts) {
  update::UpdateContext ctx;
  if (auto it = opts.values.find("dir"); it != opts.values.end()) {
    ctx.folder = it->second;
  } else {
    std::error_code ec;
    ctx.folder = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
  }
  std::error_code ec;
  if (!std::filesystem::is_directory(ctx.folder, ec)) throw UsageError("no folder '" + ctx.folder.string() + "'");
  ctx.folder = std::filesystem::absolute(ctx.folder, ec);
  auto self = opts.values.find("self");
  ctx.selfName = self != opts.values.end() ? self->second : product::kProgramName;
  if (ctx.selfName.empty() || ctx.selfName.find('/') != std::string::npos) throw UsageError("--self takes a file name");
  ctx.version = product::RunningVersion();
  ctx.server = product::UpdateServer();
  ctx.log = &std::cerr;
  return ctx;
}

int Check(const std::vector<std::string>& args) {
  const ParsedArgs opts = ParseOptions(args, 2, {"dir", "answer", "self"}, {});
  const std::string answer = opts.values.count("answer") ? opts.values.at("answer") : "no";
  if (answer != "yes" && answer != "no") throw UsageError("--answer takes yes or no");
  const update::UpdateContext ctx = Context(opts);
  CFtpGet ftp;
  update::Files files;
  const std::unique_ptr<update::Crypto> crypto = MakeReleaseCrypto(&std::cerr);
  AnsweringQuestions questions(answer == "yes");
  const update::CheckResult r = update::CheckForUpdate(ctx, ftp, files, *crypto, questions);
  std::cout << "{\"result\": " << r.result << ", \"upexe\": " << JsonString(r.upexe)
            << ", \"asked\": " << (r.asked ? "true" : "false") << "}\n";
  return 0;
}

int CleanUp(const std::vector<std::string>& args) {
  const ParsedArgs opts = ParseOptions(args, 2, {"dir", "self"}, {});
  const update::UpdateContext ctx = Context(opts);
  update::Files files;
  PosixProcesses processes;
  const update::CleanUpOutcome out = update::CleanUpAfterUpdate(ctx, files, processes);
  std::cout << "{\"result\": " << JsonString(update::CleanUpResultName(out.result))
            << ", \"oldexe\": " << JsonString(out.oldexe) << ", \"ended\": " << out.ended << "}\n";
  return 0;
}

}  // namespace

int RunUpdate(const std::vector<std::string>& args) {
  if (args.size() < 2) throw UsageError("update takes check or clean-up");
  if (args[1] == "check") return Check(args);
  if (args[1] == "clean-up") return CleanUp(args);
  throw UsageError("update takes check or clean-up, not '" + args[1] + "'");
}

}  // namespace zelvik::cli
