#include "QStringPrinter.h"
#include "scan/Aes128.h"

#include <QBuffer>
#include <QByteArray>
#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <random>
#include <vector>

using namespace scan;

namespace {

std::vector<std::uint8_t> hex(const char *text)
{
    const QByteArray bytes = QByteArray::fromHex(text);
    return {bytes.begin(), bytes.end()};
}

template <class A>
A arrayOf(const char *text)
{
    A a{};
    const auto bytes = hex(text);
    std::copy(bytes.begin(), bytes.end(), a.begin());
    return a;
}

std::vector<std::uint8_t> decryptCbc(const std::vector<std::uint8_t> &cipher, const AesKey &key, const AesBlock &iv)
{
    std::vector<std::uint8_t> plain(cipher.size());
    Decrypt_AES_CBC(cipher, key, iv, plain);
    return plain;
}

// OpenSSL's AES-128-CBC without padding, as the reference.
std::vector<std::uint8_t> opensslCbc(bool encrypt, const std::vector<std::uint8_t> &in, const AesKey &key,
                                     const AesBlock &iv)
{
    EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
    EVP_CipherInit_ex(ctx, EVP_aes_128_cbc(), nullptr, key.data(), iv.data(), encrypt ? 1 : 0);
    EVP_CIPHER_CTX_set_padding(ctx, 0);
    std::vector<std::uint8_t> out(in.size() + 16);
    int len = 0;
    int tail = 0;
    EVP_CipherUpdate(ctx, out.data(), &len, in.data(), static_cast<int>(in.size()));
    EVP_CipherFinal_ex(ctx, out.data() + len, &tail);
    EVP_CIPHER_CTX_free(ctx);
    out.resize(static_cast<std::size_t>(len + tail));
    return out;
}

const AesBlock kZeroIv{};

} // namespace

TEST(Aes128, KeyExpansionMatchesTheStandardExample)
{
    // Words packed with the first schedule byte lowest: a0fafe17 reads 0x17FEFAA0.
    const AesKeySchedule w = Expand_AES_Key_128(arrayOf<AesKey>("2b7e151628aed2a6abf7158809cf4f3c"));
    EXPECT_EQ(w[0], 0x16157E2Bu);
    EXPECT_EQ(w[4], 0x17FEFAA0u);
    EXPECT_EQ(w[43], 0xA60C63B6u);
}

TEST(Aes128, SingleBlockStandardVectorDecrypts)
{
    const AesKey key = arrayOf<AesKey>("000102030405060708090a0b0c0d0e0f");
    const auto expected = hex("00112233445566778899aabbccddeeff");
    const auto cipher = hex("69c4e0d86a7b0430d8cdb78070b4c55a");

    EXPECT_EQ(decryptCbc(cipher, key, kZeroIv), expected);
    const AesBlock block = Decrypt_AES_Block(arrayOf<AesBlock>("69c4e0d86a7b0430d8cdb78070b4c55a"),
                                             Expand_AES_Key_For_Decryption(key));
    EXPECT_EQ(std::vector<std::uint8_t>(block.begin(), block.end()), expected);
}

TEST(Aes128, CbcStandardVectorDecryptsChainedBlocks)
{
    const AesKey key = arrayOf<AesKey>("2b7e151628aed2a6abf7158809cf4f3c");
    const AesBlock iv = arrayOf<AesBlock>("000102030405060708090a0b0c0d0e0f");
    const auto cipher = hex("7649abac8119b246cee98e9b12e9197d5086cb9b507219ee95db113a917678b2"
                            "73bed6b8e3c1743b7116e69e222295163ff1caa1681fac09120eca307586e1a7");
    const auto plain = hex("6bc1bee22e409f96e93d7e117393172aae2d8a571e03ac9c9eb76fac45af8e51"
                           "30c81c46a35ce411e5fbc1191a0a52eff69f2445df4f9b17ad2b417be66c3710");
    EXPECT_EQ(decryptCbc(cipher, key, iv), plain);

    // In place, as a received telegram is decrypted over itself.
    auto buffer = cipher;
    Decrypt_AES_CBC(buffer, key, iv, buffer);
    EXPECT_EQ(buffer, plain);

    // Through streams: Count 0 rewinds the source and takes all of it.
    QByteArray source(reinterpret_cast<const char *>(cipher.data()), static_cast<int>(cipher.size()));
    QBuffer in(&source);
    in.open(QIODevice::ReadOnly);
    in.seek(16);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    Decrypt_AES_CBC(in, 0, key, out, iv);
    EXPECT_EQ(out.data(), QByteArray(reinterpret_cast<const char *>(plain.data()), static_cast<int>(plain.size())));
}

TEST(Aes128, StreamCountIsLimitedToTheBytesLeft)
{
    const AesKey key = arrayOf<AesKey>("2b7e151628aed2a6abf7158809cf4f3c");
    const AesBlock iv = arrayOf<AesBlock>("000102030405060708090a0b0c0d0e0f");
    QByteArray source = QByteArray::fromHex("7649abac8119b246cee98e9b12e9197d5086cb9b507219ee95db113a917678b2");
    QBuffer in(&source);
    in.open(QIODevice::ReadOnly);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    Decrypt_AES_CBC(in, 1000, key, out, iv);
    EXPECT_EQ(out.data(), QByteArray::fromHex("6bc1bee22e409f96e93d7e117393172aae2d8a571e03ac9c9eb76fac45af8e51"));
}

TEST(Aes128, NothingToDecryptWritesNothing)
{
    QBuffer in;
    in.open(QIODevice::ReadOnly);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    Decrypt_AES_CBC(in, 0, AesKey{}, out, kZeroIv);
    EXPECT_TRUE(out.data().isEmpty());
}

TEST(Aes128, PartialBlockIsRefusedBeforeAnythingIsWritten)
{
    QByteArray source(20, '\x11');
    QBuffer in(&source);
    in.open(QIODevice::ReadOnly);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    try {
        Decrypt_AES_CBC(in, 20, AesKey{}, out, kZeroIv);
        FAIL() << "no error for 20 bytes";
    } catch (const EAESError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Invalid buffer size for decryption"));
    }
    EXPECT_TRUE(out.data().isEmpty());

    std::vector<std::uint8_t> memory(20, 0x11);
    const auto before = memory;
    EXPECT_THROW(Decrypt_AES_CBC(memory, AesKey{}, kZeroIv, memory), EAESError);
    EXPECT_EQ(memory, before);
}

TEST(Aes128, FailedWriteIsReported)
{
    QByteArray source(32, '\x22');
    QBuffer in(&source);
    in.open(QIODevice::ReadOnly);
    QBuffer out;
    out.open(QIODevice::ReadOnly);
    try {
        Decrypt_AES_CBC(in, 0, AesKey{}, out, kZeroIv);
        FAIL() << "no error for a read-only destination";
    } catch (const EAESError &) {
        FAIL() << "a write failure is not a size error";
    } catch (const platform::Error &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Stream write error"));
    }
}

TEST(Aes128, AgreesWithOpenSslOnRandomKeysIvsAndMessages)
{
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> blocks(1, 16);
    for (int round = 0; round < 500; ++round) {
        AesKey key;
        AesBlock iv;
        for (auto &b : key)
            b = static_cast<std::uint8_t>(byte(random));
        for (auto &b : iv)
            b = static_cast<std::uint8_t>(byte(random));
        std::vector<std::uint8_t> message(static_cast<std::size_t>(16 * blocks(random)));
        for (auto &b : message)
            b = static_cast<std::uint8_t>(byte(random));

        // The message both as a plaintext that OpenSSL encrypts and as a
        // ciphertext that OpenSSL decrypts.
        ASSERT_EQ(decryptCbc(opensslCbc(true, message, key, iv), key, iv), message) << "round " << round;
        ASSERT_EQ(decryptCbc(message, key, iv), opensslCbc(false, message, key, iv)) << "round " << round;
    }
}
