#include "RichEditLogika.h"

#include "word/RtfQt.h"
#include "store/Spravy.h"

#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

namespace RichEdit {

QStringList tlacidlaPanela(Panel panel)
{
    switch (panel) {
    case Panel::Vyuctovanie:
        return {"CISLO", "UKON", "PREDMET", "OBJEDNAVKA", "CISLO_UCTU", "VARIAB_SYMBOL"};
    case Panel::Korespondencia:
        return {"DATUM_VYZIAD", "ZADAVATEL_MENO", "OBJEDNAVKA", "ZADAVATEL_ADRESA", "ZNALEC_MENO", "ZNALEC_ADRESA",
                "CISLO_UCTU", "DNES", "ZNALEC_MESTO", "ZNALEC_HLAVICKA", "ZNALEC_PATA"};
    case Panel::Ziadny: break;
    }
    return {};
}

QString zastupca(const QString& meno) { return QLatin1Char('$') + meno + QLatin1Char('$'); }

QString textPolohy(int riadok, int stlpec)
{
    return QString::asprintf("Riadok: %3d   ", riadok) + QString::fromUtf8("Stĺpec: ")
        + QString::asprintf("%3d", stlpec);
}

void pripravPrazdny(QTextDocument& dokument, const QString& pismo, double velkost)
{
    dokument.clear();
    QFont f(pismo.isEmpty() ? QStringLiteral("Arial") : pismo);
    f.setPointSizeF(velkost > 0 ? velkost : 11);
    dokument.setDefaultFont(f);
    dokument.setModified(false);
}

void nacitajCiel(QTextDocument& dokument, const QString& ciel, const QString& pismo, double velkost)
{
    if (QFileInfo::exists(ciel) && RtfQt::nacitajSubor(ciel, dokument))
        return;
    pripravPrazdny(dokument, pismo, velkost);
}

Vysledok vlozDoCiela(const QTextDocument& dokument, const QString& ciel)
{
    if (!dokument.isEmpty() && !dokument.toPlainText().isEmpty())
        return RtfQt::ulozSubor(ciel, dokument);
    if (!QFileInfo::exists(ciel) || QFile::remove(ciel))
        return {};
    return Vysledok::chyba(textProblemSoSuborom(ciel));
}

bool otvorSubor(QTextDocument& dokument, const QString& cesta)
{
    if (!RtfQt::nacitajSubor(cesta, dokument)) {
        spravy().chyba(textProblemSoSuborom(cesta));
        return false;
    }
    return true;
}

Vysledok ulozSubor(QTextDocument& dokument, const QString& cesta)
{
    const Vysledok v = RtfQt::ulozSubor(cesta, dokument);
    if (v)
        dokument.setModified(false);
    return v;
}

bool smiePrepisat(const QString& cesta)
{
    if (!QFileInfo::exists(cesta))
        return true;
    return spravy().otazka(QStringLiteral("Chcete prepísať %1").arg(cesta));
}

}  // namespace RichEdit
