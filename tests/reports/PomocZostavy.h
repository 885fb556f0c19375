#pragma once
// Layouts written inline in tests, read through the text reader.

#include <QByteArray>

#include <memory>

#include "reports/DfmStrom.h"
#include "reports/TAlZostava.h"
#include "reports/TDrawMetaFile.h"

inline std::unique_ptr<TAlZostava> zostavaZTextu(const QByteArray& text)
{
    auto z = std::make_unique<TAlZostava>();
    z->zoStromu(Dfm::citajText(text), QStringLiteral("test.dfm"));
    return z;
}

// Operations of one page that fill the band or draw text, in order, for inspection.
inline QList<KresliacaOperacia> operacieDruhu(const TDrawMetaFile& s, KresliacaOperacia::Druh d)
{
    QList<KresliacaOperacia> out;
    for (const auto& o : s.operacie)
        if (o.druh == d)
            out.append(o);
    return out;
}
