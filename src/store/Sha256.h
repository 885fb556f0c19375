#pragma once
// SHA-256 by libcrypto.

#include <QByteArray>

namespace Subory {

class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;
    void pridaj(const char* data, qsizetype dlzka);
    // The sum as 64 lower-case hex digits; ends the sum.
    QByteArray hex();

private:
    void* m_ctx;
};

QByteArray sha256Hex(const QByteArray& obsah);

}  // namespace Subory
