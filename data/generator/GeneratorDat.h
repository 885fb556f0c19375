#pragma once
// Turns the readable sources of the shipped code lists (CSV, UTF-8, ";" between columns,
// a header line first) into the files the program reads, with the program's own records.
// Every fault in a source is an error: shipped data are never cut or guessed.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "remuneration/PolozkaCiselnika.h"
#include "settings/Jazyk.h"
#include "settings/Odbor.h"
#include "settings/Odvetvie.h"

namespace GeneratorDat {

// One row of a CSV text and the number of its line (the header is line 1).
struct RiadokCsv {
    int cislo = 0;
    QStringList stlpce;
};

// Rows of a CSV text without its header line; empty lines are skipped. A row with another
// number of columns is an error "<name>:<line>: ...".
QList<RiadokCsv> CitajCsv(const QByteArray& utf8, int stlpcov, const QString& nazov,
                            QStringList& chyby);

QList<TOdbor> Odbory(const QByteArray& csv, QStringList& chyby);
QList<TOdvetvie> Odvetvia(const QByteArray& csv, QStringList& chyby);
QList<TJazyk> Jazyky(const QByteArray& csv, QStringList& chyby);
QList<TPolozkaCiselnika> Polozky(const QByteArray& csv, QStringList& chyby);

struct BankaCsv {
    QString kod, nazov, bic;
};
QList<BankaCsv> Banky(const QByteArray& csv, QStringList& chyby);

// Reads odbory.csv, odvetvia.csv, jazyky.csv, polozky.csv and banky.csv from `zdroj` and
// writes odbory.dat, odvetvia.dat, jazyky.dat, ZnalKevrot_polozky.dat and banky.kvz into
// `ciel`. Writes nothing when a source has a fault.
bool Generuj(const QString& zdroj, const QString& ciel, QStringList& chyby);

}  // namespace GeneratorDat
