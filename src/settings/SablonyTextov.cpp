#include "SablonyTextov.h"

#include <QDir>

#include "store/Cesty.h"

namespace SablonyTextov {

QString koren() { return Cesty::cesta(QStringLiteral("\\ZnaleckyKevrot texty")); }

QString priponaDruhu(int druhZnalca)
{
    switch (druhZnalca) {
    case 1: return QStringLiteral(" (tlmocnik)\\");
    case 2: return QStringLiteral(" (prekladatel)\\");
    default: return QStringLiteral("\\");
    }
}

QString adresar(SadaSablon sada, int druhZnalca)
{
    QString zaklad = QStringLiteral("\\ZnaleckyKevrot texty\\");
    switch (sada) {
    case SadaSablon::Vyuctovanie: zaklad += QStringLiteral("Text vyuctovania"); break;
    case SadaSablon::FinancnaCiastka: zaklad += QStringLiteral("Text vyuctovania - financna ciastka"); break;
    case SadaSablon::Korespondencia: zaklad += QStringLiteral("Korespondencia - objednavky"); break;
    }
    return Cesty::cesta(zaklad + priponaDruhu(druhZnalca));
}

QString suborHlavicky() { return Cesty::cesta(QStringLiteral("\\ZnaleckyKevrot texty\\hlavicka_vyuctovania.rtf")); }

QString suborPaty() { return Cesty::cesta(QStringLiteral("\\ZnaleckyKevrot texty\\pata_vyuctovania.rtf")); }

void vytvorPriecinky(int druhZnalca)
{
    Cesty::vytvorJednuUroven(koren());
    for (auto sada : {SadaSablon::Vyuctovanie, SadaSablon::FinancnaCiastka, SadaSablon::Korespondencia})
        Cesty::vytvorJednuUroven(adresar(sada, druhZnalca));
}

QStringList zoznam(const QString& adresar)
{
    QStringList mena;
    const auto subory = QDir(adresar).entryList({QStringLiteral("*.rtf")}, QDir::Files | QDir::CaseSensitive,
                                                QDir::Unsorted);
    for (QString s : subory)
        mena << s.remove(QStringLiteral(".rtf"));
    return mena;
}

bool platnyNazov(const QString& nazov)
{
    return !nazov.trimmed().isEmpty() && !nazov.contains(u'/') && !nazov.contains(u'\\') && nazov != u"."
        && nazov != u"..";
}

}  // namespace SablonyTextov
