// SHA-256 from a well-kept implementation: the system's CNG on Windows,
// OpenSSL's libcrypto elsewhere. Used for every imported file.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

using Sha256Digest = std::array<unsigned char, 32>;

class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void Update(const void* data, std::size_t size);
    // The digest of everything given since the start or the last Finish,
    // which starts afresh. False when the implementation failed at any point:
    // the digest then proves nothing.
    bool Finish(Sha256Digest& digest);

private:
    struct State;
    std::unique_ptr<State> state_;
};

// 64 lower-case hex digits.
std::string ToHex(const Sha256Digest& digest);
// Exactly 64 hex digits of either case.
bool FromHex(std::string_view text, Sha256Digest& digest);
