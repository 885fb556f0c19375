#pragma once
// The word-processor layer: builds a document the way a user types it (text at a cursor,
// font and paragraph commands for what follows, text turned into tables, inserted files,
// bookmarks of a template, page footer) and saves it as RTF. A ".doc" name holds RTF too:
// word processors recognise the content.

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include "RtfModel.h"
#include "store/Vysledok.h"

// Formatting of a table made from text.
struct TabulkaVolby {
    QList<double> sirkyStlpcov;         // points, in column order; missing ones share the rest
    bool okrajeVnutri = false;          // single lines between cells
    bool okrajeVonku = false;           // single line around the table
    bool okrajSpodny = false;           // single line under the last row
    QList<int> tienovaneRiadky;         // row numbers from 0; negative from the end (-1 = last)
    int tienovanie = 1000;              // hundredths of a percent (light shading)
    QList<std::optional<Zarovnanie>> zarovnanieStlpcov;  // column alignment, when set
    QChar oddelovac = QLatin1Char(';');  // separates cells in a paragraph
};

class Dokument {
public:
    // A position in the document, as a mark for a later command.
    struct Pozicia {
        int blok = 0;
        int riadok = -1;   // in a table: row, cell and paragraph of the cell
        int bunka = -1;
        int odsek = 0;
        int beh = 0;       // before run `beh`, at character `znak` of it
        int znak = 0;
    };

    // A new empty document.
    Dokument();
    explicit Dokument(RtfDokument model);
    // A new document from a template (an RTF file under any name); nothing when it cannot
    // be read as RTF. The cursor is at the end of the template's text.
    static std::optional<Dokument> zoSablony(const QString& cesta);

    // The basic font: the default of a new document and the font of files inserted "in the
    // basic font".
    void nastavZakladnePismo(const QString& nazov, double velkost);

    // Character format of the text inserted next.
    void nastavPismo(const QString& nazov, double velkost = 0);
    void nastavTucne(bool zapni);
    void nastavKurzivu(bool zapni);
    void nastavPodciarknute(bool zapni);
    const RtfFormat& format() const { return m_format; }

    // Alignment of the current paragraph and of those that follow it.
    void zarovnaj(Zarovnanie z);

    // Inserts text at the cursor; "\r" (or "\n") ends a paragraph.
    void vloz(const QString& text);
    void novyOdsek() { vloz(QStringLiteral("\r")); }

    // Inserts a picture (a run holding an RTF \\pict group) at the cursor.
    void vlozObrazok(const RtfBeh& obrazok) { vlozBeh(obrazok); }

    Pozicia pozicia() const { return m_kurzor; }
    // The cursor to the end of the document's text.
    void naKoniec();

    // The paragraphs from `od` up to the cursor become a table: paragraphs are rows, ';'
    // (or the options' separator) separates cells; a paragraph that the cursor has just begun (empty before the cursor)
    // is not part of it. The cursor goes to the paragraph after the table. Returns the
    // table's block number, or -1 when there was nothing to convert.
    int textNaTabulku(const Pozicia& od, const TabulkaVolby& volby);
    // The blocks from `od` up to the cursor stay on one page: each paragraph keeps with the
    // next, table rows are not split. An empty paragraph just begun at the cursor is not one.
    void drzPohromade(const Pozicia& od);

    // Inserts an RTF file at the cursor, with its own formatting, or set in the basic font
    // and size. False when the file cannot be read (nothing is inserted).
    bool vlozSubor(const QString& cesta, bool zakladnymPismom = false);
    void vlozDokument(const RtfDokument& vkladany, bool zakladnymPismom = false);

    // The file's content becomes the page footer. False when it cannot be read.
    bool nastavPatu(const QString& cesta, bool zakladnymPismom = false);
    void nastavPatu(const RtfDokument& pata, bool zakladnymPismom = false);

    // Moves the cursor into the bookmark, whose old content is removed; text inserted then
    // lies inside the bookmark. False when the document has no such bookmark.
    bool chodNaZalozku(const QString& meno);
    QStringList zalozky() const;

    // Removes the table row that holds the bookmark (a line of a form that does not apply);
    // the cursor goes to the document's start. False when no table row holds it.
    bool odstranRiadokSoZalozkou(const QString& meno);
    // Removes the paragraph that holds the bookmark and no other (a labelled line whose value
    // is empty); a cell keeps an empty paragraph. The cursor goes to the document's start.
    // False when no such paragraph exists.
    bool odstranOdsekSoZalozkou(const QString& meno);

    // Finds text inside one run, removes it and puts the cursor there with the run's format.
    bool najdiAOdstran(const QString& text);

    // Select all, then set the font name: every run takes the name.
    void pismoVsetkeho(const QString& nazov);

    QByteArray rtf() const;
    // Saves atomically; a failure's reason is the message for the user.
    Vysledok ulozAko(const QString& cesta) const;
    // The same document printed to PDF by the program (no word processor needed).
    Vysledok ulozAkoPdf(const QString& cesta) const;
    // Opens a saved document with the desktop's default application.
    static bool zobraz(const QString& cesta);

    const RtfDokument& model() const { return m_d; }

private:
    RtfDokument m_d;
    Pozicia m_kurzor;
    RtfFormat m_format;
    QString m_zakladnePismo;
    double m_zakladnaVelkost = 0;

    RtfOdsek& odsek(const Pozicia& p);
    QList<RtfOdsek>* odsekyBunky(const Pozicia& p);
    void normalizuj(Pozicia& p);
    void rozdelBeh(Pozicia& p);
    void vlozBeh(const RtfBeh& b);
    void rozdelOdsek();
    RtfDokument pripravVkladany(const RtfDokument& vkladany, bool zakladnymPismom) const;
};
