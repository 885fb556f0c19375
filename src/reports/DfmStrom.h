#pragma once
// The object tree of a streamed form (binary "TPF0" stream or its text form): objects with
// their class, name, property values in stream order, and child objects.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <vector>

// A fault in a layout file; the text says what and where.
class ChybaZostavy : public std::runtime_error {
public:
    explicit ChybaZostavy(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

struct DfmVlastnost;
struct DfmPolozkaKolekcie;

// One property value. Numbers keep the tag they were written with so that a rewritten
// stream carries the same kinds.
struct DfmHodnota {
    enum class Typ {
        Null, Zoznam, Cele, Desatinne, Retazec, Identifikator, Nepravda, Pravda,
        Binarne, Mnozina, Nil, Kolekcia
    };
    // Binary form of a floating value.
    enum class Desatinny { Extended, Single, Currency, Date, Double };

    Typ typ = Typ::Null;
    qint64 cele = 0;
    double desatinne = 0.0;
    Desatinny druhDesatinneho = Desatinny::Extended;
    QString text;                       // string or identifier
    QByteArray binarne;
    QStringList mnozina;
    std::vector<DfmHodnota> zoznam;
    std::vector<DfmPolozkaKolekcie> kolekcia;

    bool jeCele() const { return typ == Typ::Cele; }
    bool jeLogicka() const { return typ == Typ::Pravda || typ == Typ::Nepravda; }
    static DfmHodnota celeCislo(qint64 v);
    static DfmHodnota retazec(const QString& s);
    static DfmHodnota identifikator(const QString& s);
    static DfmHodnota logicka(bool b);
};

struct DfmVlastnost {
    QString meno;   // whole path with dots ("Font.Name")
    DfmHodnota hodnota;
};

struct DfmPolozkaKolekcie {
    bool maPoradie = false;
    qint64 poradie = 0;
    std::vector<DfmVlastnost> vlastnosti;
};

struct DfmObjekt {
    enum Priznak { Zdedeny = 1, PoziciaDietata = 2, Vlozeny = 4 };
    int priznaky = 0;
    qint64 pozicia = 0;   // meaningful with PoziciaDietata
    QString trieda;
    QString meno;
    std::vector<DfmVlastnost> vlastnosti;
    std::vector<DfmObjekt> deti;
};

namespace Dfm {

// Limits that keep a hostile file from exhausting the stack or memory.
inline constexpr int MaxHlbka = 64;            // objects and values nested in each other
inline constexpr int MaxPocetObjektov = 20000;
inline constexpr qint64 MaxVelkost = 32LL * 1024 * 1024;

enum class Forma { Binarna, Textova, Nezname };

// Which form the bytes are in (signature, resource headers, or the word "object").
Forma rozpoznaj(const QByteArray& obsah);

// The object stream of a binary file: "TPF0" alone, behind a 16-bit resource header or
// inside a 32-bit .res file. Throws ChybaZostavy.
DfmObjekt citajBinarny(const QByteArray& obsah);
// The text form. Throws ChybaZostavy.
DfmObjekt citajText(const QByteArray& obsah);
// Either form, chosen by the content.
DfmObjekt citaj(const QByteArray& obsah);

// "TPF0" + the object stream; with `hlavicka` the 16-bit resource header goes first.
QByteArray zapisBinarny(const DfmObjekt& koren, bool hlavicka = false);

// 10-byte x87 extended float.
double extendedNaDouble(const unsigned char* b);
void doubleNaExtended(double v, unsigned char* b);

}  // namespace Dfm
