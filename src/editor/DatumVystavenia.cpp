#include "DatumVystavenia.h"

#include <QDir>

#include "store/Cesty.h"
#include "store/Datum.h"
#include "store/Subory.h"

namespace {
const QLatin1String Kluc("datum_vystavenia=");
}

QString SuborDatumuVystavenia(const QString& adresar)
{
    return QDir(adresar.isEmpty() ? Cesty::tmpDoc() : adresar).filePath(QStringLiteral("doklady.txt"));
}

double NacitajDatumVystavenia(const QString& adresar)
{
    const auto obsah = Subory::citaj(SuborDatumuVystavenia(adresar));
    if (!obsah)
        return 0;
    for (const QString& riadok : QString::fromUtf8(*obsah).split(u'\n'))
        if (riadok.startsWith(Kluc))
            return TextNaDatum(riadok.mid(Kluc.size()).trimmed());
    return 0;
}

Vysledok UlozDatumVystavenia(double datum)
{
    Cesty::vytvorJednuUroven(Cesty::tmpDoc());
    const QByteArray obsah = (Kluc + DatumText(datum) + u'\n').toUtf8();
    const Vysledok v = Subory::ulozAtomicky(SuborDatumuVystavenia(), obsah);
    return v ? v : Vysledok::chyba(Subory::textChybaZapisu(SuborDatumuVystavenia(), v.dovod()));
}

double PotvrdDatumVystavenia(double navrh)
{
    const double ulozeny = NacitajDatumVystavenia();
    if (ulozeny > 0)
        return ulozeny;
    ohlas(UlozDatumVystavenia(navrh));
    return navrh;
}
