// Windows: CNG's SHA-256 provider, opened once per process.
#include "Sha256.h"

#include <windows.h>

#include <bcrypt.h>

namespace {
BCRYPT_ALG_HANDLE Provider() {
    static BCRYPT_ALG_HANDLE provider = [] {
        BCRYPT_ALG_HANDLE handle = nullptr;
        if (!BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&handle, BCRYPT_SHA256_ALGORITHM, nullptr, 0)))
            handle = nullptr;
        return handle;
    }();
    return provider;
}
} // namespace

struct Sha256::State {
    BCRYPT_HASH_HANDLE hash = nullptr;
    bool ok = false;

    void Start() {
        if (hash) BCryptDestroyHash(hash);
        hash = nullptr;
        ok = Provider() && BCRYPT_SUCCESS(BCryptCreateHash(Provider(), &hash, nullptr, 0, nullptr, 0, 0));
    }
};

Sha256::Sha256() : state_(std::make_unique<State>()) {
    state_->Start();
}

Sha256::~Sha256() {
    if (state_->hash) BCryptDestroyHash(state_->hash);
}

void Sha256::Update(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    // BCryptHashData takes a 32-bit length.
    while (state_->ok && size > 0) {
        ULONG part = size > 0x40000000u ? 0x40000000u : static_cast<ULONG>(size);
        state_->ok = BCRYPT_SUCCESS(BCryptHashData(state_->hash, const_cast<PUCHAR>(bytes), part, 0));
        bytes += part;
        size -= part;
    }
}

bool Sha256::Finish(Sha256Digest& digest) {
    bool ok = state_->ok && BCRYPT_SUCCESS(BCryptFinishHash(state_->hash, digest.data(),
                                                            static_cast<ULONG>(digest.size()), 0));
    state_->Start();
    return ok;
}
