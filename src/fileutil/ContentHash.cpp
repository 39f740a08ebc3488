#include "fileutil/ContentHash.h"

#include <QIODevice>

#include <array>
#include <new>
#include <openssl/evp.h>

struct ContentHash::Context {
    Context() : Digest(EVP_MD_CTX_new()) {
        if (!Digest || EVP_DigestInit_ex(Digest, EVP_sha256(), nullptr) != 1)
            throw std::bad_alloc();
    }
    ~Context() { EVP_MD_CTX_free(Digest); }
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;

    EVP_MD_CTX* Digest;
};

ContentHash::ContentHash() : FContext(std::make_unique<Context>()) {}

ContentHash::~ContentHash() = default;

void ContentHash::Add(QByteArrayView bytes) {
    EVP_DigestUpdate(FContext->Digest, bytes.data(), size_t(bytes.size()));
}

bool ContentHash::AddAll(QIODevice& device) {
    std::array<char, 1 << 16> buffer{};
    for (;;) {
        const qint64 got = device.read(buffer.data(), qint64(buffer.size()));
        if (got <= 0)
            return got == 0;
        Add(QByteArrayView(buffer.data(), got));
    }
}

QByteArray ContentHash::Result() {
    QByteArray result(EVP_MAX_MD_SIZE, '\0');
    unsigned int size = 0;
    EVP_DigestFinal_ex(FContext->Digest, reinterpret_cast<unsigned char*>(result.data()), &size);
    result.truncate(qsizetype(size));
    return result;
}
