#pragma once
// The half-yearly extract of the journal: how many acts were performed in each registered
// field and branch, for state bodies and for legal and natural persons, and the entries
// that lack a field or branch. Builds the document from the template "vypis.dot".

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include "word/Dokument.h"
#include "settings/Jazyky.h"
#include "settings/NastaveniaZaznamy.h"
#include "settings/OdboryOdvetvia.h"
#include "store/RiadokKevrota.h"

struct ParUkonov {
    QString kodOdboru;
    QString nazovOdboru;
    QString kodOdvetvia;
    QString nazovOdvetvia;
    int pocet = 0;
};

class VypisKevrota {
public:
    // The pairs of every registered field with its registered branches (same first two
    // characters of the code), counted for the first half of `rok`. An interpreter or a
    // translator counts per registered language instead (names from `jazyky`).
    VypisKevrota(const TNastavenia& nastavenie, const OdboryOdvetvia& odbory,
                 QList<RiadokKevrota> zaznamy, int rok, const Jazyky* jazyky = nullptr);

    // 1 for 1 January to 30 June of `rok`, 2 for 1 July to 31 December, else 0.
    static int Polrok(double datum, int rok);

    // Counts again for half-year 1 or 2.
    void Spocitaj(int polrok);
    int polrok() const { return m_polrok; }
    int rok() const { return m_rok; }

    const QList<ParUkonov>& StatneOrgany() const { return m_statne; }
    const QList<ParUkonov>& Osoby() const { return m_osoby; }
    // "12/2024 - nie je zadaný odbor/odvetvie (490000/)" for each entry without both; for
    // languages "12/2024 - nie je zadaný jazyk".
    const QStringList& Kontrola() const { return m_kontrola; }

    struct RiadokMriezky {
        int pocet = 0;
        QString text;
    };
    // The grid below its header row: state-body pairs, then the others.
    QList<RiadokMriezky> Mriezka() const;

    QString Znalec() const;
    QString Adresa() const;   // street, postal code and town
    QString EC() const { return m_nastavenie.EC; }
    // "1.1.2024 až 30.6.2024" or "1.7.2024 až 31.12.2024".
    QString ZaObdobie() const;

    // The filled document from the template; nothing (reported with the path) when the
    // template cannot be read.
    std::optional<Dokument> VytvorDokument(const QString& sablona) const;
    // The template that ships in Zostavy.
    static QString Sablona();
    // The document from the shipped template saved as RTF, or as PDF when the name ends
    // in ".pdf"; false when it could not be (reported).
    bool Uloz(const QString& subor) const;
    // "vypis.rtf" or "vypis.pdf" in the working directory.
    static QString PracovnySubor(bool pdf);

private:
    TNastavenia m_nastavenie;
    QList<RiadokKevrota> m_zaznamy;
    QList<ParUkonov> m_statne;
    QList<ParUkonov> m_osoby;
    QStringList m_kontrola;
    int m_rok = 0;
    int m_polrok = 1;
    bool jazykovy() const { return m_nastavenie.Druh == Tlmocnik || m_nastavenie.Druh == Prekladatel; }
};
