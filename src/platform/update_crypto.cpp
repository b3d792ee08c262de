// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/update_crypto.h"

#include <sodium.h>

#include <fstream>
#include <ostream>

#include "product.h"

#ifndef ZELVIK_UPDATE_PUBLIC_KEY
#error "the build defines ZELVIK_UPDATE_PUBLIC_KEY"
#endif

namespace zelvik {

namespace {

bool SodiumReady() {
  static const bool ready = sodium_init() >= 0;
  return ready;
}

// Refuses every list: the build's key must not be trusted against this server.
class RefusingCrypto : public update::Crypto {
 public:
  explicit RefusingCrypto(std::ostream* log) : log_(log) {}
  bool VerifyList(std::string_view, std::string_view) override {
    if (log_ != nullptr) {
      *log_ << "zelvik: update: this build carries the test key and trusts only a server named by "
            << product::kUpdateServerEnv << "\n";
    }
    return false;
  }
  std::optional<std::string> Sha256Hex(const std::filesystem::path&) override { return std::nullopt; }

 private:
  std::ostream* log_;
};

}  // namespace

SodiumCrypto::SodiumCrypto(const UpdatePublicKey& key) : key_(key) {}

bool SodiumCrypto::VerifyList(std::string_view list, std::string_view signature) {
  if (!SodiumReady() || signature.size() != crypto_sign_BYTES) return false;
  return crypto_sign_verify_detached(reinterpret_cast<const unsigned char*>(signature.data()),
                                     reinterpret_cast<const unsigned char*>(list.data()), list.size(),
                                     key_.data()) == 0;
}

std::optional<std::string> SodiumCrypto::Sha256Hex(const std::filesystem::path& file) {
  return Sha256HexOfFile(file);
}

std::optional<std::string> Sha256HexOfFile(const std::filesystem::path& file) {
  if (!SodiumReady()) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  crypto_hash_sha256_state state;
  crypto_hash_sha256_init(&state);
  char buf[65536];
  while (in.read(buf, sizeof buf) || in.gcount() > 0) {
    crypto_hash_sha256_update(&state, reinterpret_cast<const unsigned char*>(buf),
                              static_cast<unsigned long long>(in.gcount()));
  }
  if (in.bad()) return std::nullopt;
  unsigned char digest[crypto_hash_sha256_BYTES];
  crypto_hash_sha256_final(&state, digest);
  char hex[2 * crypto_hash_sha256_BYTES + 1];
  sodium_bin2hex(hex, sizeof hex, digest, sizeof digest);
  return std::string(hex);
}

std::optional<UpdatePublicKey> ParsePublicKey(std::string_view hex) {
  if (!SodiumReady() || hex.size() != 2 * crypto_sign_PUBLICKEYBYTES) return std::nullopt;
  UpdatePublicKey key{};
  size_t len = 0;
  const char* end = nullptr;
  if (sodium_hex2bin(key.data(), key.size(), hex.data(), hex.size(), nullptr, &len, &end) != 0 ||
      len != key.size() || end != hex.data() + hex.size()) {
    return std::nullopt;
  }
  return key;
}

std::string BuiltInPublicKeyHex() { return ZELVIK_UPDATE_PUBLIC_KEY; }

bool BuiltInKeyIsTestKey() { return ZELVIK_UPDATE_KEY_IS_TEST_KEY != 0; }

std::unique_ptr<update::Crypto> MakeReleaseCrypto(std::ostream* log) {
  const std::optional<UpdatePublicKey> key = ParsePublicKey(BuiltInPublicKeyHex());
  if (!key || (BuiltInKeyIsTestKey() && !product::UpdateServerOverridden())) {
    return std::make_unique<RefusingCrypto>(log);
  }
  return std::make_unique<SodiumCrypto>(*key);
}

}  // namespace zelvik
