#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <memory>

class QIODevice;

// The SHA-256 of a file's bytes, through the system's crypto library, which uses the
// processor's hashing instructions where it has them: an install hashes every byte it
// writes, and a portable implementation costs more than the writing.
class ContentHash {
public:
    ContentHash();
    ~ContentHash();
    ContentHash(const ContentHash&) = delete;
    ContentHash& operator=(const ContentHash&) = delete;

    void Add(QByteArrayView bytes);
    // Reads device to its end; false when reading fails.
    bool AddAll(QIODevice& device);
    // The 32 bytes of the hash; the object is spent.
    QByteArray Result();

private:
    struct Context;
    std::unique_ptr<Context> FContext;
};
