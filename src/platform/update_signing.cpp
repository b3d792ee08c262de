// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/update_signing.h"

#include <sodium.h>

#include <array>

namespace zelvik {

namespace {

using SecretKey = std::array<unsigned char, crypto_sign_SECRETKEYBYTES>;

std::string Hex(const unsigned char* bytes, size_t n) {
  std::string hex(2 * n + 1, '\0');
  sodium_bin2hex(hex.data(), hex.size(), bytes, n);
  hex.pop_back();
  return hex;
}

// A secret key whose embedded public half matches its seed.
std::optional<SecretKey> ParseSecret(std::string_view hex) {
  if (sodium_init() < 0 || hex.size() != 2 * crypto_sign_SECRETKEYBYTES) return std::nullopt;
  SecretKey sk{};
  size_t len = 0;
  const char* end = nullptr;
  if (sodium_hex2bin(sk.data(), sk.size(), hex.data(), hex.size(), nullptr, &len, &end) != 0 ||
      len != sk.size() || end != hex.data() + hex.size()) {
    return std::nullopt;
  }
  unsigned char pk[crypto_sign_PUBLICKEYBYTES];
  SecretKey again{};
  crypto_sign_seed_keypair(pk, again.data(), sk.data());
  const bool same = sodium_memcmp(again.data(), sk.data(), sk.size()) == 0;
  sodium_memzero(again.data(), again.size());
  if (!same) return std::nullopt;
  return sk;
}

}  // namespace

std::optional<UpdateKeyPair> GenerateUpdateKeyPair() {
  if (sodium_init() < 0) return std::nullopt;
  unsigned char pk[crypto_sign_PUBLICKEYBYTES];
  SecretKey sk{};
  crypto_sign_keypair(pk, sk.data());
  UpdateKeyPair pair{Hex(pk, sizeof pk), Hex(sk.data(), sk.size())};
  sodium_memzero(sk.data(), sk.size());
  return pair;
}

std::optional<std::string> PublicKeyOfSecret(std::string_view secretHex) {
  std::optional<SecretKey> sk = ParseSecret(secretHex);
  if (!sk) return std::nullopt;
  unsigned char pk[crypto_sign_PUBLICKEYBYTES];
  crypto_sign_ed25519_sk_to_pk(pk, sk->data());
  sodium_memzero(sk->data(), sk->size());
  return Hex(pk, sizeof pk);
}

std::optional<std::string> SignDetached(std::string_view message, std::string_view secretHex) {
  std::optional<SecretKey> sk = ParseSecret(secretHex);
  if (!sk) return std::nullopt;
  std::string sig(crypto_sign_BYTES, '\0');
  crypto_sign_detached(reinterpret_cast<unsigned char*>(sig.data()), nullptr,
                       reinterpret_cast<const unsigned char*>(message.data()), message.size(), sk->data());
  sodium_memzero(sk->data(), sk->size());
  return sig;
}

}  // namespace zelvik
