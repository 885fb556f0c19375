#pragma once
// Entries with items written directly, for the document tests.

#include "editor/PodkladyDokladu.h"
#include "word/RtfCitac.h"
#include "store/Datum.h"

#include <QDate>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace pomoc {

inline double d(int r, int m, int den) { return QDateNaDatum(QDate(r, m, den)); }

inline TVydavok polozka(qint32 druh, const QString& nazov, double cena, QList<double> pocty, double suma = -1)
{
    TVydavok v;
    v.Druh = druh;
    v.Nazov = nazov;
    v.MJ = QStringLiteral("hod");
    v.Cena = cena;
    double s = 0;
    for (double p : pocty) {
        TRozpisPolozky r;
        r.Pocet = p;
        v.Rozpis.append(r);
        s += p * cena;
    }
    v.PocetRozpisov = int(v.Rozpis.size());
    v.Suma = suma < 0 ? s : suma;
    return v;
}

inline PodkladyDokladu podklady(bool platca, double vykonanie, double sadzba, qint32 druh = Znalec)
{
    PodkladyDokladu p;
    TNastavenia& n = p.nastavenie;
    n.PlatcaDPH = platca;
    n.Druh = druh;
    n.Meno = QStringLiteral("Ján");
    n.Priezvisko = QStringLiteral("Kováč");
    n.TitulPred = QStringLiteral("Ing.");
    n.Adresa = QStringLiteral("Hlavná 5");
    n.Mesto = QStringLiteral("Nitra");
    n.PSC = QStringLiteral("949 01");
    n.BasicFontName = QStringLiteral("Arial");
    n.BasicFontSize = 11;
    n.TableFontName = QStringLiteral("Arial");
    n.TableFontSize = 10;
    n.TitleFontName = QStringLiteral("Arial");
    n.TitleFontSize = 12;
    p.polia.Cislo = QStringLiteral("7");
    p.polia.Rok = QStringLiteral("2024");
    p.polia.Meno = QStringLiteral("Okresný súd");
    p.polia.Adresa = QStringLiteral("Štúrova 9, Nitra");
    p.polia.DatumVykonania = DatumText(vykonanie);
    p.polia.DatumSplatnosti = QStringLiteral("20.3.2024");
    p.datumVykonania = vykonanie;
    p.sadzbaDPH = sadzba;
    p.dnes = d(2024, 4, 2);
    return p;
}

// The document read back from its RTF.
inline RtfDokument precitaj(const QByteArray& rtf) { return RtfCitac::citaj(rtf).dokument; }

// Every table of the body as rows of cell texts joined by "|".
inline QList<QStringList> tabulky(const RtfDokument& d)
{
    QList<QStringList> t;
    for (const RtfBlok& b : d.telo) {
        if (!b.jeTabulka)
            continue;
        QStringList riadky;
        for (const RtfRiadok& r : b.tabulka.riadky) {
            QStringList bunky;
            for (const RtfBunka& c : r.bunky)
                bunky << c.text();
            riadky << bunky.join(u'|');
        }
        t << riadky;
    }
    return t;
}

// The body's paragraphs and every table's rows, one a line.
inline QString cely(const RtfDokument& d)
{
    QStringList r{d.text()};
    for (const QStringList& t : tabulky(d))
        r << t;
    return r.join(u'\n');
}

}  // namespace pomoc
