// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zelvik {

// The release tool's half of the update signature.
struct UpdateKeyPair {
  std::string publicHex;  // 64 hex digits, for ZELVIK_UPDATE_PUBLIC_KEY
  std::string secretHex;  // 128 hex digits, kept by the maintainers
};

std::optional<UpdateKeyPair> GenerateUpdateKeyPair();

// The public half of a secret key in hex, or nullopt when it is not one.
std::optional<std::string> PublicKeyOfSecret(std::string_view secretHex);

// The 64-byte Ed25519 detached signature of message, or nullopt for a bad key.
std::optional<std::string> SignDetached(std::string_view message, std::string_view secretHex);

}  // namespace zelvik
