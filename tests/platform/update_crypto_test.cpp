// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/update_crypto.h"
#include "platform/update_signing.h"

namespace zelvik {
namespace {

std::string TestSecretKey() {
  std::ifstream in(std::string(ZELVIK_SOURCE_DIR) + "/tests/data/update-test-secret.key");
  std::string key;
  in >> key;
  return key;
}

TEST(UpdateCrypto, SignedListsVerifyAndNothingElse) {
  const std::string secret = TestSecretKey();
  const auto pub = PublicKeyOfSecret(secret);
  ASSERT_TRUE(pub.has_value());
  EXPECT_EQ(*pub, BuiltInPublicKeyHex()) << "the default build trusts the test key";
  EXPECT_TRUE(BuiltInKeyIsTestKey());
  SodiumCrypto crypto(*ParsePublicKey(*pub));
  const std::string list = "[newversion]\r\nnewversion=4.3\r\n";
  const auto sig = SignDetached(list, secret);
  ASSERT_TRUE(sig.has_value());
  EXPECT_EQ(sig->size(), 64u);
  EXPECT_TRUE(crypto.VerifyList(list, *sig));
  EXPECT_FALSE(crypto.VerifyList(list + " ", *sig));
  EXPECT_FALSE(crypto.VerifyList(list, sig->substr(0, 63)));
  EXPECT_FALSE(crypto.VerifyList(list, *sig + "x"));
  std::string flipped = *sig;
  flipped[10] ^= 1;
  EXPECT_FALSE(crypto.VerifyList(list, flipped));
  const auto other = GenerateUpdateKeyPair();
  ASSERT_TRUE(other.has_value());
  EXPECT_FALSE(crypto.VerifyList(list, *SignDetached(list, other->secretHex)));
  EXPECT_EQ(PublicKeyOfSecret(other->secretHex), other->publicHex);
}

TEST(UpdateCrypto, KeysInTheWrongShapeAreRefused) {
  for (const char* bad : {"", "00", "zz30eb764c0b1ef0427a3c7fac38b55cb04b2f1dd2a1ca1ff074e53e5ea9c3a3"}) {
    EXPECT_FALSE(ParsePublicKey(bad).has_value()) << bad;
    EXPECT_FALSE(PublicKeyOfSecret(bad).has_value()) << bad;
    EXPECT_FALSE(SignDetached("x", bad).has_value()) << bad;
  }
  // A secret key whose public half was altered is not a key.
  std::string secret = TestSecretKey();
  secret.back() = secret.back() == '0' ? '1' : '0';
  EXPECT_FALSE(PublicKeyOfSecret(secret).has_value());
}

TEST(UpdateCrypto, Sha256OfFiles) {
  char tmpl[] = "/tmp/zelvik-sha-XXXXXX";
  const std::filesystem::path dir = ::mkdtemp(tmpl);
  const struct {
    std::string bytes;
    const char* hex;
  } rows[] = {
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
  };
  SodiumCrypto crypto(*ParsePublicKey(BuiltInPublicKeyHex()));
  for (const auto& row : rows) {
    std::ofstream(dir / "f", std::ios::binary) << row.bytes;
    EXPECT_EQ(crypto.Sha256Hex(dir / "f"), row.hex);
  }
  EXPECT_EQ(crypto.Sha256Hex(dir / "missing"), std::nullopt);
  std::filesystem::remove_all(dir);
}

TEST(UpdateCrypto, TheTestKeyIsTrustedOnlyAgainstAnotherServer) {
  const std::string secret = TestSecretKey();
  const std::string list = "[upexe]\nupexe=x\n";
  const std::string sig = *SignDetached(list, secret);
  ::unsetenv("ZELVIK_UPDATE_SERVER");
  std::ostringstream log;
  EXPECT_FALSE(MakeReleaseCrypto(&log)->VerifyList(list, sig));
  EXPECT_NE(log.str().find("test key"), std::string::npos);
  ::setenv("ZELVIK_UPDATE_SERVER", "ftp://127.0.0.1:2121/", 1);
  EXPECT_TRUE(MakeReleaseCrypto(&log)->VerifyList(list, sig));
  ::unsetenv("ZELVIK_UPDATE_SERVER");
}

}  // namespace
}  // namespace zelvik
