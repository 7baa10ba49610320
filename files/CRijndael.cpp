// Table-driven Rijndael (Daemen and Rijmen) for blocks and keys of 16, 24 and 32 bytes.
// The tables are computed at compile time from GF(2^8) arithmetic; round keys are held as
// big-endian words (row 0 in the most significant byte), and deciphering uses the
// equivalent inverse cipher.
#include "CRijndael.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace tilvora {
namespace {

constexpr uint8_t XTime(uint8_t a) {
    return static_cast<uint8_t>((a << 1) ^ ((a & 0x80) != 0 ? 0x1b : 0));
}

constexpr uint8_t Mul(uint8_t a, uint8_t b) {
    uint8_t product = 0;
    for (; b != 0; b >>= 1) {
        if ((b & 1) != 0) {
            product ^= a;
        }
        a = XTime(a);
    }
    return product;
}

constexpr uint8_t RotateLeft8(uint8_t b, int n) {
    return static_cast<uint8_t>((b << n) | (b >> (8 - n)));
}

constexpr uint32_t RotateRight32(uint32_t w, int n) {
    return (w >> n) | (w << (32 - n));
}

constexpr uint32_t Column(uint8_t r0, uint8_t r1, uint8_t r2, uint8_t r3) {
    return static_cast<uint32_t>(r0) << 24 | static_cast<uint32_t>(r1) << 16 |
           static_cast<uint32_t>(r2) << 8 | r3;
}

// Enough round constants for the longest schedule: 15 round keys of 8 words from a 4-word key.
constexpr int kRoundConstants = 30;

struct cipher_tables_t {
    uint8_t sbox[256] = {};
    uint8_t inverse_sbox[256] = {};
    uint32_t encipher[4][256] = {};    // SubBytes + MixColumn, one table per row
    uint32_t decipher[4][256] = {};    // InvSubBytes + InvMixColumn, one table per row
    uint32_t inverse_mix[4][256] = {}; // InvMixColumn alone, for the decryption key schedule
    uint8_t round_constant[kRoundConstants] = {};
};

constexpr cipher_tables_t MakeTables() {
    cipher_tables_t t;
    // Powers of the generator 3 give every non-zero element and its logarithm.
    uint8_t power[255] = {};
    uint8_t log[256] = {};
    uint8_t p = 1;
    for (int i = 0; i < 255; ++i) {
        power[i] = p;
        log[p] = static_cast<uint8_t>(i);
        p = Mul(p, 3);
    }
    for (int x = 0; x < 256; ++x) {
        const uint8_t inverse = x == 0 ? 0 : power[(255 - log[x]) % 255];
        const uint8_t s = inverse ^ RotateLeft8(inverse, 1) ^ RotateLeft8(inverse, 2) ^
                          RotateLeft8(inverse, 3) ^ RotateLeft8(inverse, 4) ^ 0x63;
        t.sbox[x] = s;
        t.inverse_sbox[s] = static_cast<uint8_t>(x);
    }
    for (int x = 0; x < 256; ++x) {
        const uint8_t s = t.sbox[x];
        const uint8_t si = t.inverse_sbox[x];
        const uint8_t b = static_cast<uint8_t>(x);
        const uint32_t enc = Column(Mul(s, 2), s, s, Mul(s, 3));
        const uint32_t dec = Column(Mul(si, 14), Mul(si, 9), Mul(si, 13), Mul(si, 11));
        const uint32_t mix = Column(Mul(b, 14), Mul(b, 9), Mul(b, 13), Mul(b, 11));
        for (int row = 0; row < 4; ++row) {
            t.encipher[row][x] = row == 0 ? enc : RotateRight32(enc, 8 * row);
            t.decipher[row][x] = row == 0 ? dec : RotateRight32(dec, 8 * row);
            t.inverse_mix[row][x] = row == 0 ? mix : RotateRight32(mix, 8 * row);
        }
    }
    uint8_t rc = 1;
    for (uint8_t& constant : t.round_constant) {
        constant = rc;
        rc = XTime(rc);
    }
    return t;
}

constexpr cipher_tables_t kTables = MakeTables();

constexpr int RoundCount(int key_length, int block_size) {
    return std::max(key_length, block_size) / 4 + 6;
}

// ShiftRow offset of a row: 1, 2, 3 for 4 and 6 columns; 1, 3, 4 for 8 columns.
constexpr int ShiftOffset(int columns, int row) {
    return columns == 8 && row > 1 ? row + 1 : row;
}

uint32_t LoadColumn(const uint8_t* at) {
    return Column(at[0], at[1], at[2], at[3]);
}

uint8_t Byte(uint32_t w, int row) {
    return static_cast<uint8_t>(w >> (24 - 8 * row));
}

// Column of the state that feeds row `row` of column i: ShiftRow to the left when
// enciphering, to the right when deciphering.
template <int Nb, bool Inverse> constexpr size_t Source(size_t i, int row) {
    const size_t offset = static_cast<size_t>(ShiftOffset(Nb, row));
    return Inverse ? (i + Nb - offset) % Nb : (i + offset) % Nb;
}

// One inner round over all columns; the index pack makes every column index a constant so
// the state stays in registers.
template <int Nb, bool Inverse, size_t... I>
inline void Round(const uint32_t* state, uint32_t* next, const uint32_t* key,
                  std::index_sequence<I...>) {
    constexpr auto& t = Inverse ? kTables.decipher : kTables.encipher;
    ((next[I] = t[0][state[I] >> 24] ^ t[1][Byte(state[Source<Nb, Inverse>(I, 1)], 1)] ^
                t[2][Byte(state[Source<Nb, Inverse>(I, 2)], 2)] ^
                t[3][state[Source<Nb, Inverse>(I, 3)] & 0xff] ^ key[I]),
     ...);
}

// The last round: S-box and ShiftRow without MixColumn, written out as bytes.
template <int Nb, bool Inverse, size_t... I>
inline void LastRound(const uint32_t* state, uint8_t* out, const uint32_t* key,
                      std::index_sequence<I...>) {
    constexpr auto& s = Inverse ? kTables.inverse_sbox : kTables.sbox;
    ((out[4 * I] = s[state[I] >> 24] ^ Byte(key[I], 0),
      out[4 * I + 1] = s[Byte(state[Source<Nb, Inverse>(I, 1)], 1)] ^ Byte(key[I], 1),
      out[4 * I + 2] = s[Byte(state[Source<Nb, Inverse>(I, 2)], 2)] ^ Byte(key[I], 2),
      out[4 * I + 3] = s[state[Source<Nb, Inverse>(I, 3)] & 0xff] ^ Byte(key[I], 3)),
     ...);
}

// One block through all rounds with the given round keys (enciphering or deciphering rows).
template <int Nb, bool Inverse>
void CipherBlock(const uint32_t (*keys)[8], int rounds, const uint8_t* in, uint8_t* out) {
    constexpr auto columns = std::make_index_sequence<Nb>();
    uint32_t state[Nb];
    uint32_t next[Nb];
    for (int i = 0; i < Nb; ++i) {
        state[i] = LoadColumn(in + 4 * i) ^ keys[0][i];
    }
    for (int r = 1; r < rounds; ++r) {
        Round<Nb, Inverse>(state, next, keys[r], columns);
        std::copy(next, next + Nb, state);
    }
    LastRound<Nb, Inverse>(state, out, keys[rounds], columns);
}

template <bool Inverse>
void CipherBlockOfSize(int block_size, const uint32_t (*keys)[8], int rounds, const uint8_t* in,
                       uint8_t* out) {
    switch (block_size) {
    case 16:
        CipherBlock<4, Inverse>(keys, rounds, in, out);
        break;
    case 24:
        CipherBlock<6, Inverse>(keys, rounds, in, out);
        break;
    default:
        CipherBlock<8, Inverse>(keys, rounds, in, out);
        break;
    }
}

void Xor(uint8_t* buf, const uint8_t* with, int size) {
    for (int i = 0; i < size; ++i) {
        buf[i] ^= with[i];
    }
}

bool ValidLength(int length) {
    return length == 16 || length == 24 || length == 32;
}

} // namespace

void CRijndael::SetKey(const uint8_t* key, const uint8_t* chain_bytes, int keyLength,
                       int blockSize) {
    if (key == nullptr) {
        throw CipherError("Empty key");
    }
    if (!ValidLength(keyLength)) {
        throw CipherError("Incorrect key length");
    }
    if (!ValidLength(blockSize)) {
        throw CipherError("Incorrect block length");
    }
    key_length = keyLength;
    block_size = blockSize;
    // A missing chain counts as all zero bytes rather than a read through a null pointer.
    std::memset(initial_chain, 0, sizeof initial_chain);
    if (chain_bytes != nullptr) {
        std::memcpy(initial_chain, chain_bytes, static_cast<size_t>(blockSize));
    }
    std::memcpy(chain, initial_chain, sizeof chain);
    rounds = RoundCount(keyLength, blockSize);
    ExpandKey(key);
    key_set = true;
}

// Standard key expansion, filling the encryption rows in order and the decryption rows in
// reverse round order; then the inner decryption rows pass through InvMixColumn.
void CRijndael::ExpandKey(const uint8_t* key) {
    std::memset(encipher_keys, 0, sizeof encipher_keys);
    std::memset(decipher_keys, 0, sizeof decipher_keys);
    const int nk = key_length / 4;
    const int nb = block_size / 4;
    const int total = (rounds + 1) * nb;
    uint32_t words[8] = {};
    for (int j = 0; j < nk; ++j) {
        words[j] = LoadColumn(key + 4 * j);
    }
    int filled = 0;
    const auto store_group = [&] {
        for (int j = 0; j < nk && filled < total; ++j, ++filled) {
            encipher_keys[filled / nb][filled % nb] = words[j];
            decipher_keys[rounds - filled / nb][filled % nb] = words[j];
        }
    };
    const auto sub_word = [](uint32_t w) {
        return Column(kTables.sbox[Byte(w, 0)], kTables.sbox[Byte(w, 1)], kTables.sbox[Byte(w, 2)],
                      kTables.sbox[Byte(w, 3)]);
    };
    store_group();
    int rc = 0;
    while (filled < total) {
        const uint32_t last = words[nk - 1];
        words[0] ^= sub_word((last << 8) | (last >> 24)) ^
                    static_cast<uint32_t>(kTables.round_constant[rc++]) << 24;
        for (int j = 1; j < nk; ++j) {
            words[j] ^= (nk == 8 && j == 4) ? sub_word(words[3]) : words[j - 1];
        }
        store_group();
    }
    for (int r = 1; r < rounds; ++r) {
        for (int j = 0; j < nb; ++j) {
            const uint32_t w = decipher_keys[r][j];
            decipher_keys[r][j] =
                kTables.inverse_mix[0][Byte(w, 0)] ^ kTables.inverse_mix[1][Byte(w, 1)] ^
                kTables.inverse_mix[2][Byte(w, 2)] ^ kTables.inverse_mix[3][Byte(w, 3)];
        }
    }
}

void CRijndael::RequireKey() const {
    if (!key_set) {
        throw CipherError("Object not Initialized");
    }
}

void CRijndael::EncipherBlock(const uint8_t* in, uint8_t* out) {
    RequireKey();
    CipherBlockOfSize<false>(block_size, encipher_keys, rounds, in, out);
}

void CRijndael::DecipherBlock(const uint8_t* in, uint8_t* out) {
    RequireKey();
    CipherBlockOfSize<true>(block_size, decipher_keys, rounds, in, out);
}

void CRijndael::XorBlock(uint8_t* buf, const uint8_t* with) const {
    RequireKey();
    Xor(buf, with, block_size);
}

// Checks shared by the multi-block operations, in their fixed order: the chain is reset even
// when a check then fails.
void CRijndael::StartMultiBlock(size_t n) {
    std::memcpy(chain, initial_chain, static_cast<size_t>(block_size));
    RequireKey();
    if (n == 0 || n % static_cast<size_t>(block_size) != 0) {
        throw CipherError("Data not multiple of Block Size");
    }
}

// cmFeedback in either direction: out = E(chain) ^ in, chain = the plain block. Each input
// block is copied before its output is written, so in and out may be the same buffer.
void CRijndael::Feedback(const uint8_t* in, uint8_t* out, size_t n, bool enciphering) {
    const size_t bs = static_cast<size_t>(block_size);
    uint8_t data[kMaxBlockSize];
    for (size_t at = 0; at < n; at += bs) {
        std::memcpy(data, in + at, bs);
        CipherBlockOfSize<false>(block_size, encipher_keys, rounds, chain, out + at);
        Xor(out + at, data, block_size);
        std::memcpy(chain, enciphering ? data : out + at, bs);
    }
}

void CRijndael::Encipher(const uint8_t* in, uint8_t* out, size_t n, int mode) {
    StartMultiBlock(n);
    if (mode == cmFeedback) {
        Feedback(in, out, n, true);
        return;
    }
    const size_t bs = static_cast<size_t>(block_size);
    uint8_t data[kMaxBlockSize];
    for (size_t at = 0; at < n; at += bs) {
        std::memcpy(data, in + at, bs);
        if (mode == cmChained) {
            uint8_t mixed[kMaxBlockSize];
            std::memcpy(mixed, data, bs);
            Xor(mixed, chain, block_size);
            EncipherBlock(mixed, out + at);
            std::memcpy(chain, data, bs);
        } else {
            EncipherBlock(data, out + at);
        }
    }
}

void CRijndael::Decipher(const uint8_t* in, uint8_t* out, size_t n, int mode) {
    StartMultiBlock(n);
    if (mode == cmFeedback) {
        Feedback(in, out, n, false);
        return;
    }
    const size_t bs = static_cast<size_t>(block_size);
    uint8_t data[kMaxBlockSize];
    for (size_t at = 0; at < n; at += bs) {
        std::memcpy(data, in + at, bs);
        DecipherBlock(data, out + at);
        if (mode == cmChained) {
            Xor(out + at, chain, block_size);
            std::memcpy(chain, out + at, bs);
        }
    }
}

} // namespace tilvora
