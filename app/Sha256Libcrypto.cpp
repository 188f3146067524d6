// Elsewhere: OpenSSL's libcrypto through its EVP digest interface.
#include "Sha256.h"

#include <openssl/evp.h>

struct Sha256::State {
    EVP_MD_CTX* context = nullptr;
    bool ok = false;

    void Start() { ok = context && EVP_DigestInit_ex(context, EVP_sha256(), nullptr) == 1; }
};

Sha256::Sha256() : state_(std::make_unique<State>()) {
    state_->context = EVP_MD_CTX_new();
    state_->Start();
}

Sha256::~Sha256() {
    EVP_MD_CTX_free(state_->context);
}

void Sha256::Update(const void* data, std::size_t size) {
    if (state_->ok && size > 0) state_->ok = EVP_DigestUpdate(state_->context, data, size) == 1;
}

bool Sha256::Finish(Sha256Digest& digest) {
    unsigned int length = 0;
    bool ok = state_->ok && EVP_DigestFinal_ex(state_->context, digest.data(), &length) == 1 &&
              length == digest.size();
    state_->Start();
    return ok;
}
