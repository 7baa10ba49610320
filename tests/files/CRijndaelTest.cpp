#include "CRijndael.h"

#include <gtest/gtest.h>
#include <mcrypt.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace tilvora {
namespace {

using bytes_t = std::vector<uint8_t>;

bytes_t FromHex(const std::string& hex) {
    bytes_t out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) {
        out.push_back(static_cast<uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    }
    return out;
}

bytes_t Sequence(size_t n, uint8_t first = 0) {
    bytes_t out(n);
    for (size_t i = 0; i < n; ++i) {
        out[i] = static_cast<uint8_t>(first + i);
    }
    return out;
}

bytes_t RandomBytes(size_t n, uint32_t seed) {
    std::mt19937 generator(seed);
    bytes_t out(n);
    for (uint8_t& b : out) {
        b = static_cast<uint8_t>(generator());
    }
    return out;
}

CRijndael Keyed(int key_length, int block_size) {
    CRijndael cipher;
    const bytes_t key = Sequence(static_cast<size_t>(key_length));
    const bytes_t chain = Sequence(static_cast<size_t>(block_size), 0x40);
    cipher.SetKey(key.data(), chain.data(), key_length, block_size);
    return cipher;
}

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const CipherError& error) {
        return error.what();
    }
    return "no error";
}

TEST(CRijndael, Fips197Vectors) {
    struct vector_t {
        int key_length;
        const char* cipher_hex;
    };
    const vector_t vectors[] = {
        {16, "69c4e0d86a7b0430d8cdb78070b4c55a"},
        {24, "dda97ca4864cdfe06eaf70a0ec0d7191"},
        {32, "8ea2b7ca516745bfeafc49904b496089"},
    };
    const bytes_t plain = FromHex("00112233445566778899aabbccddeeff");
    for (const vector_t& v : vectors) {
        CRijndael cipher = Keyed(v.key_length, 16);
        EXPECT_EQ(cipher.Rounds(), v.key_length / 4 + 6);
        bytes_t out(16);
        cipher.EncipherBlock(plain.data(), out.data());
        EXPECT_EQ(out, FromHex(v.cipher_hex)) << "key length " << v.key_length;
        bytes_t back(16);
        cipher.DecipherBlock(out.data(), back.data());
        EXPECT_EQ(back, plain);
    }
}

// libmcrypt implements Rijndael with every block and key size; its ECB mode is the block
// cipher itself.
bytes_t McryptEcb(const char* algorithm, const bytes_t& key, bytes_t data) {
    MCRYPT module = mcrypt_module_open(const_cast<char*>(algorithm), nullptr,
                                       const_cast<char*>("ecb"), nullptr);
    EXPECT_TRUE(module != MCRYPT_FAILED);
    bytes_t key_copy = key;
    EXPECT_EQ(mcrypt_generic_init(module, key_copy.data(), static_cast<int>(key.size()), nullptr),
              0);
    mcrypt_generic(module, data.data(), static_cast<int>(data.size()));
    mcrypt_generic_deinit(module);
    mcrypt_module_close(module);
    return data;
}

TEST(CRijndael, MatchesLibmcryptForEveryBlockAndKeySize) {
    const std::pair<int, const char*> blocks[] = {
        {16, "rijndael-128"}, {24, "rijndael-192"}, {32, "rijndael-256"}};
    for (const auto& [block_size, algorithm] : blocks) {
        for (const int key_length : {16, 24, 32}) {
            CRijndael cipher = Keyed(key_length, block_size);
            const bytes_t plain = RandomBytes(static_cast<size_t>(block_size) * 8,
                                              static_cast<uint32_t>(block_size + key_length));
            bytes_t ours(plain.size());
            cipher.Encipher(plain.data(), ours.data(), plain.size(), cmBlock);
            EXPECT_EQ(ours, McryptEcb(algorithm, Sequence(static_cast<size_t>(key_length)), plain))
                << algorithm << " key " << key_length;
            bytes_t back(plain.size());
            cipher.Decipher(ours.data(), back.data(), ours.size(), cmBlock);
            EXPECT_EQ(back, plain);
        }
    }
}

// Mode 1 and 2 carry the PLAIN block as the chain; built here from single blocks.
TEST(CRijndael, ChainedModesFeedThePlainBlockBack) {
    CRijndael cipher = Keyed(32, 32);
    const bytes_t plain = RandomBytes(4 * 32, 7);
    bytes_t chained(plain.size());
    bytes_t feedback(plain.size());
    cipher.Encipher(plain.data(), chained.data(), plain.size(), cmChained);
    cipher.Encipher(plain.data(), feedback.data(), plain.size(), cmFeedback);

    bytes_t chain = Sequence(32, 0x40);
    for (size_t at = 0; at < plain.size(); at += 32) {
        bytes_t block(plain.begin() + at, plain.begin() + at + 32);
        bytes_t expected(32);
        bytes_t mixed = block;
        cipher.XorBlock(mixed.data(), chain.data());
        cipher.EncipherBlock(mixed.data(), expected.data());
        EXPECT_EQ(bytes_t(chained.begin() + at, chained.begin() + at + 32), expected);
        cipher.EncipherBlock(chain.data(), expected.data());
        cipher.XorBlock(expected.data(), block.data());
        EXPECT_EQ(bytes_t(feedback.begin() + at, feedback.begin() + at + 32), expected);
        chain = block;
    }
}

TEST(CRijndael, EveryModeRoundTripsAlsoInPlace) {
    for (const int mode : {0, 1, 2, 7}) {
        CRijndael cipher = Keyed(24, 32);
        const bytes_t plain = RandomBytes(6 * 32, static_cast<uint32_t>(mode));
        bytes_t data = plain;
        cipher.Encipher(data.data(), data.data(), data.size(), mode);
        EXPECT_NE(data, plain);
        bytes_t copy(data.size());
        cipher.Decipher(data.data(), copy.data(), data.size(), mode);
        cipher.Decipher(data.data(), data.data(), data.size(), mode);
        EXPECT_EQ(data, plain) << "mode " << mode;
        EXPECT_EQ(copy, plain) << "mode " << mode;
    }
}

TEST(CRijndael, FirstBlockChangeReachesOnlyTheNextBlock) {
    for (const int mode : {cmChained, cmFeedback}) {
        CRijndael cipher = Keyed(32, 32);
        bytes_t a = RandomBytes(5 * 32, 3);
        bytes_t b = a;
        b[5] ^= 0x01;
        bytes_t out_a(a.size());
        bytes_t out_b(b.size());
        cipher.Encipher(a.data(), out_a.data(), a.size(), mode);
        cipher.Encipher(b.data(), out_b.data(), b.size(), mode);
        for (size_t block = 0; block < 5; ++block) {
            const bool same =
                std::equal(out_a.begin() + block * 32, out_a.begin() + block * 32 + 32,
                           out_b.begin() + block * 32);
            EXPECT_EQ(same, block >= 2) << "mode " << mode << " block " << block;
        }
    }
}

TEST(CRijndael, ChainRestartsOnEveryCall) {
    CRijndael cipher = Keyed(32, 32);
    const bytes_t plain = RandomBytes(512, 11);
    bytes_t first(512);
    bytes_t second(512);
    cipher.Encipher(plain.data(), first.data(), 64, cmFeedback);
    cipher.Encipher(plain.data(), second.data(), 64, cmFeedback);
    EXPECT_EQ(first, second);

    cipher.Encipher(plain.data(), first.data(), 512, cmFeedback);
    bytes_t head(32);
    cipher.Decipher(first.data(), head.data(), 32, cmFeedback);
    EXPECT_EQ(head, bytes_t(plain.begin(), plain.begin() + 32));
}

TEST(CRijndael, SetKeyRefusesBadArgumentsAndKeepsOldKeys) {
    struct case_t {
        bool null_key;
        int key_length;
        int block_size;
        const char* message;
    };
    const case_t cases[] = {
        {true, 20, 20, "Empty key"},
        {false, 20, 32, "Incorrect key length"},
        {false, 0, 32, "Incorrect key length"},
        {false, 32, 20, "Incorrect block length"},
        {false, 32, 64, "Incorrect block length"},
    };
    const bytes_t plain = RandomBytes(32, 5);
    bytes_t expected(32);
    Keyed(32, 32).EncipherBlock(plain.data(), expected.data());
    for (const case_t& c : cases) {
        CRijndael cipher = Keyed(32, 32);
        const bytes_t other_key = Sequence(64, 0x99);
        EXPECT_EQ(ErrorOf([&] {
                      cipher.SetKey(c.null_key ? nullptr : other_key.data(), other_key.data(),
                                    c.key_length, c.block_size);
                  }),
                  c.message);
        bytes_t out(32);
        cipher.EncipherBlock(plain.data(), out.data());
        EXPECT_EQ(out, expected) << c.message;
        EXPECT_EQ(cipher.BlockSize(), 32);
    }
}

TEST(CRijndael, MisuseThrowsTheFixedMessages) {
    CRijndael unkeyed;
    bytes_t buf(64);
    const std::function<void()> unkeyed_calls[] = {
        [&] { unkeyed.EncipherBlock(buf.data(), buf.data()); },
        [&] { unkeyed.DecipherBlock(buf.data(), buf.data()); },
        [&] { unkeyed.Encipher(buf.data(), buf.data(), 32, cmFeedback); },
        [&] { unkeyed.Decipher(buf.data(), buf.data(), 0, cmBlock); },
        [&] { unkeyed.XorBlock(buf.data(), buf.data()); },
    };
    for (const auto& call : unkeyed_calls) {
        EXPECT_EQ(ErrorOf(call), "Object not Initialized");
    }
    CRijndael cipher = Keyed(32, 32);
    bytes_t big(64);
    for (const size_t n : {size_t{0}, size_t{16}, size_t{48}}) {
        EXPECT_EQ(ErrorOf([&] { cipher.Encipher(big.data(), big.data(), n, cmFeedback); }),
                  "Data not multiple of Block Size");
        EXPECT_EQ(ErrorOf([&] { cipher.Decipher(big.data(), big.data(), n, cmBlock); }),
                  "Data not multiple of Block Size");
    }
}

} // namespace
} // namespace tilvora
