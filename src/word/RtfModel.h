#pragma once
// The document model behind rich text: paragraphs of formatted runs, tables, page header
// and footer, page setup. Lengths are in twips (1/20 pt), font sizes in points.

#include <QColor>
#include <QList>
#include <QString>

enum class Zarovnanie { Vlavo, Stred, Vpravo, Dorovnat };

struct RtfFormat {
    QString pismo;          // font name; empty = the document's default font
    double velkost = 0;     // points; 0 = the document's default size
    bool tucne = false;
    bool kurziva = false;
    bool podciarknute = false;
    QColor farba;           // invalid = automatic

    bool operator==(const RtfFormat&) const = default;
};

struct RtfBeh {
    enum class Druh {
        Text,             // text: tabs as '\t', line breaks as U+2028
        ZalozkaZaciatok,  // text = bookmark name
        ZalozkaKoniec,    // text = bookmark name
        Surove            // text = a whole RTF group kept as read (pictures, objects)
    };
    Druh druh = Druh::Text;
    QString text;
    RtfFormat format;

    bool jeText() const { return druh == Druh::Text; }
};

struct RtfOdsek {
    QList<RtfBeh> behy;
    RtfFormat znacka;  // format of the paragraph mark (what an empty paragraph looks like)
    Zarovnanie zarovnanie = Zarovnanie::Vlavo;
    int odsadenieVlavo = 0;
    int odsadenieVpravo = 0;
    int odsadeniePrvehoRiadku = 0;
    int medzeraPred = 0;
    int medzeraZa = 0;
    bool odrazka = false;
    bool drzSoNasledujucim = false;  // \keepn: on the page of the next paragraph

    // The visible text of the paragraph (without bookmarks and raw groups).
    QString text() const;
    // Copies the paragraph properties (not the runs) of another paragraph.
    void prevezmiVlastnosti(const RtfOdsek& iny);
};

// One line of a cell edge; absent edges are not drawn.
struct RtfOkraje {
    bool horny = false;
    bool lavy = false;
    bool dolny = false;
    bool pravy = false;
    bool operator==(const RtfOkraje&) const = default;
};

struct RtfBunka {
    int pravyOkraj = 0;     // right edge from the row's left edge (twips)
    QList<RtfOdsek> odseky;
    RtfOkraje okraje;
    int tienovanie = 0;     // shading in hundredths of a percent (0..10000)
    QColor pozadie;         // invalid = none

    QString text() const;
};

struct RtfRiadok {
    QList<RtfBunka> bunky;
    int lavyOkraj = 0;      // \trleft
    int medzera = 70;       // \trgaph
    bool drzPohromade = false;  // \trkeep: never split across pages
};

struct RtfTabulka {
    QList<RtfRiadok> riadky;
};

// A paragraph or a table at the top level of a body, header or footer.
struct RtfBlok {
    RtfOdsek odsek;
    RtfTabulka tabulka;
    bool jeTabulka = false;

    static RtfBlok zOdseku(RtfOdsek o) { RtfBlok b; b.odsek = std::move(o); return b; }
    static RtfBlok zTabulky(RtfTabulka t) { RtfBlok b; b.tabulka = std::move(t); b.jeTabulka = true; return b; }
};

struct RtfStrana {
    int sirka = 11906;      // A4
    int vyska = 16838;
    int vlavo = 1134;       // 2 cm
    int vpravo = 1134;
    int hore = 1134;
    int dole = 1134;
    bool naSirku = false;

    int sirkaTextu() const { return sirka - vlavo - vpravo; }
};

struct RtfDokument {
    QList<RtfBlok> telo;
    QList<RtfBlok> hlavicka;
    QList<RtfBlok> pata;
    RtfStrana strana;
    QString predvolenePismo = QStringLiteral("Times New Roman");
    double predvolenaVelkost = 12;

    // Visible text: paragraphs end with '\n', cells are separated by '\t'.
    QString text() const;
    static QString textBlokov(const QList<RtfBlok>& bloky);
};

inline constexpr QChar ZalomenieRiadku = QChar(0x2028);
