#include "RtfZastupcovia.h"

#include "RtfText.h"
#include "store/Subory.h"

namespace RtfZastupcovia {

QByteArray nahrad(const QByteArray& zdroj, const QList<Zastupca>& zastupcovia)
{
    QList<QPair<QByteArray, QByteArray>> nahrady;
    for (const auto& z : zastupcovia)
        if (!z.nazov.isEmpty())
            nahrady.append({z.nazov.toLatin1(), z.rtfZdroj ? z.hodnota.toLatin1() : RtfText::escapuj(z.hodnota)});

    QByteArray vysledok;
    vysledok.reserve(zdroj.size() + zdroj.size() / 8);
    const QList<QByteArray> riadky = zdroj.split('\n');
    for (qsizetype i = 0; i < riadky.size(); ++i) {
        QByteArray riadok = riadky[i];
        if (riadok.endsWith('\r'))
            riadok.chop(1);
        if (i + 1 == riadky.size() && riadok.isEmpty())
            break;  // the last line break of the file starts no new line
        for (const auto& [nazov, hodnota] : nahrady)
            riadok.replace(nazov, hodnota);
        vysledok += riadok;
        vysledok += "\r\n";
    }
    return vysledok;
}

bool nahradVSubore(const QString& sablona, const QString& ciel, const QList<Zastupca>& zastupcovia)
{
    const auto zdroj = Subory::citaj(sablona);
    if (!zdroj)
        return false;
    return Subory::ulozAtomicky(ciel, nahrad(*zdroj, zastupcovia)).ok();
}

bool obsahuje(const QString& sablona, const QString& text)
{
    const auto zdroj = Subory::citaj(sablona);
    if (!zdroj)
        return false;
    const QByteArray hladany = text.toLatin1();
    for (const auto& riadok : zdroj->split('\n'))
        if (riadok.contains(hladany))
            return true;
    return false;
}

}  // namespace RtfZastupcovia
