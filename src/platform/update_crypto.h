// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "update/update_services.h"

namespace zelvik {

using UpdatePublicKey = std::array<unsigned char, 32>;

// Ed25519 signatures and SHA-256 over libsodium.
class SodiumCrypto : public update::Crypto {
 public:
  explicit SodiumCrypto(const UpdatePublicKey& key);
  bool VerifyList(std::string_view list, std::string_view signature) override;
  std::optional<std::string> Sha256Hex(const std::filesystem::path& file) override;

 private:
  UpdatePublicKey key_;
};

// A file's SHA-256 in lower-case hex, or nullopt when it cannot be read.
std::optional<std::string> Sha256HexOfFile(const std::filesystem::path& file);

// 64 hex digits, or nullopt.
std::optional<UpdatePublicKey> ParsePublicKey(std::string_view hex);

// The release key this build trusts (the CMake variable ZELVIK_UPDATE_PUBLIC_KEY), in hex.
std::string BuiltInPublicKeyHex();
// True when that is the test key, whose secret half ships with the tests.
bool BuiltInKeyIsTestKey();

// The crypto of the update with the built-in key. A build that carries the test key trusts
// no list from the product's own server, only from one named by $ZELVIK_UPDATE_SERVER:
// a release built without its key cannot be fed an update signed with the public test key.
std::unique_ptr<update::Crypto> MakeReleaseCrypto(std::ostream* log);

}  // namespace zelvik
