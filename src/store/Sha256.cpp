#include "Sha256.h"

#include <openssl/evp.h>

namespace Subory {

Sha256::Sha256() : m_ctx(EVP_MD_CTX_new())
{
    EVP_DigestInit_ex(static_cast<EVP_MD_CTX*>(m_ctx), EVP_sha256(), nullptr);
}

Sha256::~Sha256() { EVP_MD_CTX_free(static_cast<EVP_MD_CTX*>(m_ctx)); }

void Sha256::pridaj(const char* data, qsizetype dlzka)
{
    EVP_DigestUpdate(static_cast<EVP_MD_CTX*>(m_ctx), data, size_t(dlzka));
}

QByteArray Sha256::hex()
{
    unsigned char md[EVP_MAX_MD_SIZE];
    unsigned int n = 0;
    EVP_DigestFinal_ex(static_cast<EVP_MD_CTX*>(m_ctx), md, &n);
    return QByteArray(reinterpret_cast<const char*>(md), int(n)).toHex();
}

QByteArray sha256Hex(const QByteArray& obsah)
{
    Sha256 h;
    h.pridaj(obsah.constData(), obsah.size());
    return h.hex();
}

}  // namespace Subory
