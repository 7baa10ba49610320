// Rijndael block cipher in its general form: blocks and keys of 16, 24 or 32 bytes.
// Every data file of the game is enciphered with a 32-byte block and a 32-byte key, which
// is Rijndael but not AES.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace tilvora {

// Misuse of the cipher; what() is one of the fixed texts "Empty key", "Incorrect key
// length", "Incorrect block length", "Object not Initialized" or "Data not multiple of
// Block Size".
class CipherError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Modes of Encipher and Decipher. In cmChained and cmFeedback the chain carried to the next
// block is the plain block, not the enciphered one as in textbook CBC and CFB.
enum CipherMode : int {
    cmBlock = 0,    // out = E(plain)
    cmChained = 1,  // out = E(chain ^ plain)
    cmFeedback = 2, // out = E(chain) ^ data; only the enciphering direction is used
};

class CRijndael {
  public:
    static constexpr int kMaxBlockSize = 32;
    static constexpr int kMaxRounds = 14;

    CRijndael() = default;
    virtual ~CRijndael() = default;

    // key: keyLength bytes; chain: blockSize bytes. Lengths are 16, 24 or 32. A failed call
    // leaves the object as it was.
    void SetKey(const uint8_t* key, const uint8_t* chain, int keyLength = 16, int blockSize = 16);

    // One block of the block size.
    void EncipherBlock(const uint8_t* in, uint8_t* out);
    void DecipherBlock(const uint8_t* in, uint8_t* out);

    // n bytes, a whole number of blocks, in one of the CipherMode modes (any other value
    // behaves as cmBlock). The chain starts from the one given to SetKey on every call.
    // out may be the same buffer as in; other overlaps are not allowed.
    void Encipher(const uint8_t* in, uint8_t* out, size_t n, int mode = cmBlock);
    void Decipher(const uint8_t* in, uint8_t* out, size_t n, int mode = cmBlock);

    // buf[i] ^= with[i] over one block.
    void XorBlock(uint8_t* buf, const uint8_t* with) const;

    int KeyLength() const { return key_length; }
    int BlockSize() const { return block_size; }
    int Rounds() const { return rounds; }

  private:
    void RequireKey() const;
    void StartMultiBlock(size_t n);
    void ExpandKey(const uint8_t* key);
    void Feedback(const uint8_t* in, uint8_t* out, size_t n, bool enciphering);

    bool key_set = false;
    uint32_t encipher_keys[kMaxRounds + 1][8] = {};
    uint32_t decipher_keys[kMaxRounds + 1][8] = {};
    int key_length = 0;
    int block_size = 0;
    int rounds = 0;
    uint8_t initial_chain[kMaxBlockSize] = {};
    uint8_t chain[kMaxBlockSize] = {};
};

} // namespace tilvora
