// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "config/gbk.h"
#include "json.h"
#include "options.h"
#include "platform/update_crypto.h"
#include "platform/update_signing.h"
#include "product.h"
#include "update/list_file.h"
#include "update/update_list.h"

namespace zelvik::cli {

const char kUpdateSignUsage[] = R"(  zelvik-cli update-sign keygen --out FILE
      Makes a release key pair: the secret key goes to FILE (readable by you alone, never
      overwritten); prints the public key for -DZELVIK_UPDATE_PUBLIC_KEY=.
  zelvik-cli update-sign sign --key FILE DIR
      Fills in the "sha256" section of DIR/list.ini from the files it lists (found in DIR)
      and writes its signature DIR/list.ini.sig with the secret key in FILE.
  zelvik-cli update-sign verify DIR [--public-key HEX]
      Checks DIR/list.ini.sig and every listed file's SHA-256 against this build's key (or
      HEX); exit 1 when anything does not match.
)";

namespace fs = std::filesystem;

namespace {

std::string ReadOrThrow(const fs::path& path, std::size_t maxBytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw UsageError("cannot read '" + path.string() + "'");
  std::string bytes(std::istreambuf_iterator<char>(in), {});
  if (bytes.size() > maxBytes) throw RefusedError("'" + path.string() + "' is too large");
  return bytes;
}

// Written beside the target and renamed over it, so a failure leaves the old file.
void WriteAtomically(const fs::path& path, const std::string& bytes, mode_t mode) {
  const fs::path tmp = path.parent_path() / ("." + path.filename().string() + ".new");
  const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
  bool ok = fd >= 0 && ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
            ::fsync(fd) == 0;
  if (fd >= 0) ok = ::close(fd) == 0 && ok;
  ok = ok && std::rename(tmp.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(tmp.c_str());
    throw RefusedError("cannot write '" + path.string() + "'");
  }
}

std::string ListUtf8(const std::string& gbk, const fs::path& path) {
  const std::optional<std::string> utf8 = GbkToUtf8(gbk);
  if (!utf8) throw RefusedError("'" + path.string() + "' is not GBK text");
  return *utf8;
}

int Keygen(const std::vector<std::string>& args) {
  const ParsedArgs opts = ParseOptions(args, 2, {"out"}, {});
  if (!opts.values.count("out")) throw UsageError("keygen needs --out FILE");
  const fs::path out = opts.values.at("out");
  const std::optional<UpdateKeyPair> pair = GenerateUpdateKeyPair();
  if (!pair) throw RefusedError("cannot make a key");
  const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) throw RefusedError("cannot create '" + out.string() + "' (it must not exist yet)");
  const std::string line = pair->secretHex + "\n";
  const bool ok = ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size()) && ::fsync(fd) == 0;
  if (::close(fd) != 0 || !ok) throw RefusedError("cannot write '" + out.string() + "'");
  std::cout << "{\"public_key\": " << JsonString(pair->publicHex) << "}\n";
  return 0;
}

int Sign(const std::vector<std::string>& args) {
  // DIR may come before or after --key.
  std::vector<std::string> rest{args[0], args[1]};
  std::vector<std::string> positional;
  for (std::size_t i = 2; i < args.size(); ++i) {
    if (args[i].rfind("--", 0) == 0) {
      rest.push_back(args[i]);
      if (args[i].find('=') == std::string::npos && i + 1 < args.size()) rest.push_back(args[++i]);
    } else {
      positional.push_back(args[i]);
    }
  }
  const ParsedArgs opts = ParseOptions(rest, 2, {"key"}, {});
  if (!opts.values.count("key") || positional.size() != 1) throw UsageError("sign takes --key FILE DIR");
  std::string secret = ReadOrThrow(opts.values.at("key"), 4096);
  while (!secret.empty() && (secret.back() == '\n' || secret.back() == '\r' || secret.back() == ' ')) secret.pop_back();
  const std::optional<std::string> publicHex = PublicKeyOfSecret(secret);
  if (!publicHex) throw RefusedError("'" + opts.values.at("key") + "' holds no secret key");

  const fs::path dir = positional[0];
  const fs::path listPath = dir / product::kListFileName;
  const std::string text = ListUtf8(ReadOrThrow(listPath, update::kListFileMaxBytes), listPath);
  const update::UpdateList list = update::ReadUpdateList(update::ListFileText(text));
  if (const auto problem = update::UpdateListProblem(list, false)) throw RefusedError(*problem);
  if (list.mentionsOldexe) throw RefusedError("the list must not mention oldexe: the program appends it");
  std::vector<std::string> hashes;
  for (const std::string& name : list.names) {
    const std::optional<std::string> hash = Sha256HexOfFile(dir / name);
    if (!hash) throw RefusedError("cannot read '" + (dir / name).string() + "'");
    hashes.push_back(*hash);
  }
  const std::string signedText = update::WithHashSection(text, hashes);
  // Read back as the program will: a line mentioning "sha256" above the section would
  // make it find other lines.
  const update::UpdateList again = update::ReadUpdateList(update::ListFileText(signedText));
  if (again.names != list.names || again.hashes != hashes || again.upexe != list.upexe ||
      again.newVersion != list.newVersion) {
    throw RefusedError("the list does not read back as signed; keep \"sha256\" out of the other lines");
  }
  const std::optional<std::string> gbk = Utf8ToGbk(signedText);
  if (!gbk) throw RefusedError("the list has text without a GBK form");
  const std::optional<std::string> signature = SignDetached(*gbk, secret);
  if (!signature) throw RefusedError("cannot sign");
  WriteAtomically(listPath, *gbk, 0644);
  WriteAtomically(dir / (std::string(product::kListFileName) + product::kSignatureSuffix), *signature, 0644);

  std::string json = "{\"list\": " + JsonString(listPath.string()) + ", \"public_key\": " + JsonString(*publicHex) +
                     ", \"newversion\": " + JsonString(list.newVersion) + ", \"files\": [";
  for (std::size_t i = 0; i < hashes.size(); ++i) {
    json += (i ? ", " : "") + std::string("{\"name\": ") + JsonString(list.names[i]) +
            ", \"sha256\": " + JsonString(hashes[i]) + "}";
  }
  std::cout << json << "]}\n";
  return 0;
}

int Verify(const std::vector<std::string>& args) {
  if (args.size() < 3) throw UsageError("verify takes DIR");
  const ParsedArgs opts = ParseOptions(args, 3, {"public-key"}, {});
  const std::string keyHex = opts.values.count("public-key") ? opts.values.at("public-key") : BuiltInPublicKeyHex();
  const std::optional<UpdatePublicKey> key = ParsePublicKey(keyHex);
  if (!key) throw UsageError("the public key must be 64 hex digits");
  const fs::path dir = args[2];
  const fs::path listPath = dir / product::kListFileName;
  const std::string gbk = ReadOrThrow(listPath, update::kListFileMaxBytes);
  const std::string sig = ReadOrThrow(dir / (std::string(product::kListFileName) + product::kSignatureSuffix), 1024);
  SodiumCrypto crypto(*key);
  const bool signatureOk = crypto.VerifyList(gbk, sig);
  const update::UpdateList list = update::ReadUpdateList(update::ListFileText(ListUtf8(gbk, listPath)));
  const std::optional<std::string> problem = update::UpdateListProblem(list, true);
  bool allOk = signatureOk && !problem;
  std::string json = "{\"signature\": " + std::string(signatureOk ? "true" : "false") +
                     ", \"problem\": " + (problem ? JsonString(*problem) : std::string("null")) + ", \"files\": [";
  for (std::size_t i = 0; i < list.names.size(); ++i) {
    const std::optional<std::string> hash = Sha256HexOfFile(dir / list.names[i]);
    const bool ok = hash && !list.hashes[i].empty() && *hash == list.hashes[i];
    allOk = allOk && ok;
    json += (i ? ", " : "") + std::string("{\"name\": ") + JsonString(list.names[i]) +
            ", \"sha256_ok\": " + (ok ? "true" : "false") + "}";
  }
  std::cout << json << "]}\n";
  if (!allOk) throw RefusedError("the update in '" + dir.string() + "' does not verify");
  return 0;
}

}  // namespace

int RunUpdateSign(const std::vector<std::string>& args) {
  if (args.size() < 2) throw UsageError("update-sign takes keygen, sign or verify");
  if (args[1] == "keygen") return Keygen(args);
  if (args[1] == "sign") return Sign(args);
  if (args[1] == "verify") return Verify(args);
  throw UsageError("update-sign takes keygen, sign or verify, not '" + args[1] + "'");
}

}  // namespace zelvik::cli
