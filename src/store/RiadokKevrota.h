#pragma once
// What the registers, the journal print, the extract and the spreadsheet use of one journal
// entry, kept for every loaded entry in place of its whole record: the numbers and dates,
// and the texts as their stored Windows-1250 bytes in one block. The whole record is read
// from the entry's file when it is opened, saved or billed.

#include <QByteArray>
#include <QString>

#include <array>
#include <string_view>

struct TZnalKevrotZaznam;

class RiadokKevrota {
public:
    enum Text : quint8 {
        tMeno, tAdresa, tCisloObjednavky, tDruhUkonu, tTypPosudku, tPredmet, tUcel,
        tUdajeOdmena, tDatumyVyplatenia, tPoznamka, tOdbor, tOdvetvie, PocetTextov
    };

    qint32 PoradoveCislo = 0;
    qint32 Rok = 0;
    qint32 StatnyOrgan = 0;
    qint32 PocetVyplateni = 0;
    double DatumVyziadania = 0.0;
    double DatumVykonania = 0.0;
    double UctovanaOdmena = 0.0;
    double UctovaneVydavky = 0.0;
    double PriznanaOdmena = 0.0;
    double PriznaneVydavky = 0.0;
    bool Vyplatene = false;
    bool DoZoznamuVyuctovani = false;

    QString text(Text t) const;
    // The stored bytes of a text (at most its field's capacity).
    std::string_view bajty(Text t) const;

    QString Meno() const { return text(tMeno); }
    QString Adresa() const { return text(tAdresa); }
    QString CisloObjednavky() const { return text(tCisloObjednavky); }
    QString DruhUkonu() const { return text(tDruhUkonu); }
    QString TypPosudku() const { return text(tTypPosudku); }
    QString Predmet() const { return text(tPredmet); }
    QString Ucel() const { return text(tUcel); }
    QString UdajeOdmena() const { return text(tUdajeOdmena); }
    QString DatumyVyplatenia() const { return text(tDatumyVyplatenia); }
    QString Poznamka() const { return text(tPoznamka); }
    QString Odbor() const { return text(tOdbor); }
    QString Odvetvie() const { return text(tOdvetvie); }

    // The file the entry was read from or saved to; empty for none.
    QString Subor() const;
    // `adresar` is shared by the rows of one folder, so it costs no memory of its own.
    void nastavSubor(const QString& adresar, QStringView meno);
    void nastavSubor(const QString& cesta);

    // The row of a record in memory: its texts as they would be stored (cut to their
    // capacity, '?' for a character outside the code page); its `Subor` as the record's.
    static RiadokKevrota zoZaznamu(const TZnalKevrotZaznam& z);
    // The row of a stored record image in the current layout (VELKOST bytes at `obraz`).
    static RiadokKevrota zObrazu(const char* obraz);
    void nastavDatumyVyplatenia(const QString& datumy);

private:
    // Text i lies at [m_hranice[i], m_hranice[i + 1]) of m_bajty; the file name (UTF-8)
    // after the last text.
    QByteArray m_bajty;
    std::array<quint16, PocetTextov + 1> m_hranice{};
    QString m_adresar;

    void nastavTexty(const std::array<std::string_view, PocetTextov>& texty, std::string_view meno);
    std::string_view meno() const;
};
