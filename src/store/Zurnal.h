#pragma once
// The journal of one year: a row of each entry (what the registers show), the items and
// payments of the entry last read, and the stored billings; the entry files and the working
// directory of their documents. An entry's whole record is read from its file when needed.

#include <QByteArray>
#include <QSet>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

#include "Subory.h"

#include "RiadokKevrota.h"
#include "UlozeneVyuctovanie.h"
#include "Vydavok.h"
#include "Vyplatenie.h"
#include "Vysledok.h"
#include "ZnalKevrotZaznam.h"

// What an entry file holds after its record.
struct ObsahZaznamu {
    TZnalKevrotZaznam zaznam;
    QList<TVydavok> vydavky;
    QList<TVyplatenie> vyplatenia;
};

class Zurnal {
public:
    QList<RiadokKevrota> ZaznamyKevrota;
    QList<TVydavok> VydavkyZaznamu;
    QList<TVyplatenie> VyplateniaZaznamu;
    // As NacitajUlozeneVyuctovania last built them; see UlozeneVyuctovaniaRoka.
    QList<TCiselnikVydavok> UlozeneVyuctovania;

    // The documents kept in an entry's document folder: the four documents, their PDFs, the
    // e-invoices, the working billing texts and the issue date.
    static const QStringList& DokumentyZaznamu();
    // The same: what the working directory is emptied of.
    static const QStringList& PracovneDokumenty();

    // "\ZnalKevrot<rok>\<cislo>-<rok>.kvd" and the document folder beside it.
    static QString SuborZaznamu(int cislo, int rok);
    static QString AdresarDokumentov(int cislo, int rok);
    // The file a loaded record came from (its `Subor`), else the file of its number and
    // year; its document folder is that path without the extension.
    static QString CestaZaznamu(const TZnalKevrotZaznam& zaznam);
    static QString AdresarDokumentov(const TZnalKevrotZaznam& zaznam);
    static QString CestaZaznamu(const RiadokKevrota& riadok);
    static QString AdresarDokumentov(const RiadokKevrota& riadok);

    // Reads the record at `pozicia` in the current layout and moves `pozicia` past the
    // stored record (3688 bytes, or 3636 for versions 0 and 1). Nothing when the bytes
    // are too few or the version is not 0, 1 or 2; `pozicia` then stays.
    static std::optional<TZnalKevrotZaznam> CitajZaznam(const QByteArray& data, qsizetype& pozicia);

    // Reads the item block at `pozicia`. Counts are checked against the bytes present;
    // false on a bad count or short data, with the items read before the fault in `vydavky`.
    static bool CitajVydavky(const QByteArray& data, qsizetype& pozicia, QList<TVydavok>& vydavky);
    // Reads `pocet` payments at `pozicia`; false when fewer are present (those are read).
    static bool CitajVyplatenia(const QByteArray& data, qsizetype& pozicia, qint32 pocet,
                                QList<TVyplatenie>& vyplatenia);
    // The whole file: false on any fault, with what could be read in `obsah`. `koniec`
    // receives where the counted records end; bytes after it belong to no record.
    static bool RozoberSubor(const QByteArray& data, ObsahZaznamu& obsah, qsizetype* koniec = nullptr);

    // The bytes of an entry file. The record is written in the current layout (`Verzia` 2)
    // with `PocetVyplateni` set to the payments given, each item's sub-item count is taken
    // from its `Rozpis`, and every payment is written.
    static QByteArray ObsahSuboru(const TZnalKevrotZaznam& zaznam, const QList<TVydavok>& vydavky,
                                  const QList<TVyplatenie>& vyplatenia);

    // The payment dates as text: each in the short form followed by a carriage return,
    // at most the first 100 characters.
    static QString DatumyVyplateniaZ(const QList<TVyplatenie>& vyplatenia);
    // The dates of that text, without the separators (a single date is one item).
    static QStringList DatumyVyplateniaZoznam(const QString& datumy);
    // Sets `PocetVyplateni` and `DatumyVyplatenia` of the record from `VyplateniaZaznamu`.
    void NastavVyplatenia(TZnalKevrotZaznam& zaznam) const;

    // Replaces `ZaznamyKevrota` by the rows of the year's entries, in file name order, each
    // with the file it came from. A file that cannot be read or holds no valid record is
    // reported and skipped. Files that carry one number are all loaded and warned about
    // once, with their names.
    void NacitajRok(int rok);
    // The year load for a caller that also wants each entry file's bytes, as read for its
    // row: `subory` as SuboryRoka gives them; `priSubore` gets the place of the file in
    // `subory` and its bytes, on the thread that read them (from several threads at once);
    // `odkial` receives, for each row, the place of its file.
    using PriSubore = std::function<void(qsizetype i, const QByteArray& data)>;
    void NacitajSubory(const QStringList& subory, const PriSubore& priSubore, std::vector<qsizetype>* odkial);
    // The entry files of a year's directory, in name order.
    static QStringList SuboryRoka(int rok) { return suboryRoka(rok); }

    // An entry file read whole, its record as the program uses it: a VAT rate of 0 set to 19
    // before 1 January 2011 (or without a date of performance), else 20; `Subor` the path.
    // False on any fault (nothing reported), with what could be read in `obsah`; a record
    // that was read has its image (`obraz`).
    static bool CitajSuborZaznamu(const QString& cesta, ObsahZaznamu& obsah);
    // The same for the file's bytes already read.
    static bool RozoberSuborZaznamu(const QString& cesta, const QByteArray& data, ObsahZaznamu& obsah);
    // The whole record of the entry at `index`, read from its file, with its items and
    // payments in `VydavkyZaznamu` and `VyplateniaZaznamu`. Nothing, after reporting, when
    // the file cannot be read whole.
    std::optional<TZnalKevrotZaznam> NacitajCelyZaznam(int index);
    // Only the record of the entry at `index`; nothing after reporting.
    std::optional<TZnalKevrotZaznam> CelyZaznam(int index) const;

    // Reads one entry's items and payments into `VydavkyZaznamu` and `VyplateniaZaznamu`.
    // A missing or bad file is reported; false tells the caller to abandon the command.
    bool NacitajZaznam(int cislo, int rok);
    // The same from the file the record was loaded from.
    bool NacitajZaznam(const TZnalKevrotZaznam& zaznam);
    bool NacitajZaznam(const RiadokKevrota& riadok);

    // Writes `zaznam` with `VydavkyZaznamu` and `VyplateniaZaznamu` as the file of its number
    // and year (atomically), then, when `ajDokumenty`, stores the working documents into the
    // entry's document folder. `index` is the entry's row, -1 for a new entry. A record that
    // still has the number and year of its row is written to the row's file, merged over
    // that file's current record: fields the program knows are written, reserved bytes stay.
    // Bytes the old file holds past its counted records are kept after the new ones. The
    // record is written with `Verzia` 2 and `PocetVyplateni` of the payments; the row then
    // shows what was written (a new entry's row is appended). A failure, with the text for the
    // user (none for a row that does not exist), when nothing was written; the row then stays.
    Vysledok UlozZaznam(const TZnalKevrotZaznam& zaznam, int index, bool ajDokumenty = true);

    // Rewrites the record at the start of the existing file of the entry at `index` with
    // `zaznam`, merged over the file's current record; the items and payments after it are
    // kept as they are. A record of an older, shorter layout is replaced as a whole, so the
    // file stays consistent. The row then shows what was written. A failure, with the text for
    // the user, when the file cannot be read or written.
    Vysledok UlozHlavicku(const TZnalKevrotZaznam& zaznam, int index);

    // Deletes the entry file if it exists; the document folder stays. False only when an
    // existing file could not be deleted.
    bool ZmazZaznam(int cislo, int rok);
    bool ZmazZaznam(const TZnalKevrotZaznam& zaznam);
    bool ZmazZaznam(const RiadokKevrota& riadok);

    // Largest `PoradoveCislo` of the loaded entries plus 1; 1 for none.
    int DalsieCislo() const;
    void ZoradPodlaCisla();

    // Creates the working directory when missing and deletes the working documents from it.
    static void PripravPracovnyAdresar();
    // Prepares the working directory, then copies the entry's stored documents into it.
    static void NacitajDokumenty(int cislo, int rok);
    static void NacitajDokumenty(const TZnalKevrotZaznam& zaznam);
    static void NacitajDokumenty(const RiadokKevrota& riadok);

    // Rebuilds the stored billings from the year's entry files: the entries marked for the
    // list, named by their own number and year, sorted by number.
    void NacitajUlozeneVyuctovania(int rok);
    // The stored billings of a year, built when first asked for after a load or a change.
    const QList<TCiselnikVydavok>& UlozeneVyuctovaniaRoka(int rok);
    // The entry files changed: the stored billings are built again when next asked for.
    void ZabudniUlozeneVyuctovania() { m_rokVyuctovani = 0; }
    // The journal of a year: NacitajRok; its stored billings are read when first asked for.
    void NacitajKevrot(int rok);

    // The file part of copying an entry: the file of `cislo` is written as the file of
    // `noveCislo` in the same year with the new number; items, payments and amounts stay.
    // A record of an older layout is written in the current one. The documents are not
    // copied. A failure, with the text for the user, when the source cannot be read or the
    // copy written.
    static Vysledok KopirujZaznam(int cislo, int rok, int noveCislo);
    // The same from the file the record was loaded from, into its year.
    static Vysledok KopirujZaznam(const RiadokKevrota& riadok, int noveCislo);

private:
    int m_rokVyuctovani = 0;  // the year UlozeneVyuctovania hold, 0 when to be built again
    QSet<QString> m_ohlaseneDuplicity;  // groups of files with one number, already warned about
    void ohlasDuplicity();
    bool nacitajZo(const QString& cesta);
    bool zmaz(const QString& cesta);
    static void nacitajDokumentyZ(const QString& adresar);
    static Vysledok kopiruj(const QString& zdroj, int rok, int noveCislo);
    // The file the entry at `index` is written to as `cislo` and `rok`.
    QString cestaNaZapis(int cislo, int rok, int index) const;
    // The row at `index` shows the record written to `cesta`; a new row for index -1.
    void prevezmiZapisany(const TZnalKevrotZaznam& zapisany, const QString& cesta, int index);

    // One entry file as a year load reads it.
    struct CitanieSuboru {
        std::optional<RiadokKevrota> riadok;  // the year load's: nothing when the file or record is bad
        bool platny = false;  // the record could be read
        bool doZoznamu = false;  // the record is marked for the stored billings
        std::optional<TCiselnikVydavok> vyuctovanie;  // when asked for, marked and sound
    };
    static CitanieSuboru citajSubor(const QString& cesta, bool ajVyuctovanie, const std::function<void(const QByteArray&)>& priSubore = {});
    // Reads the files on every core; the results in the order given.
    static std::vector<CitanieSuboru> citajSubory(const QStringList& subory, bool ajVyuctovanie,
                                                  const PriSubore& priSubore = {});
    void prevezmiZaznamy(const QStringList& subory, std::vector<CitanieSuboru>& citania,
                         std::vector<qsizetype>* odkial = nullptr);
    void prevezmiVyuctovania(const QStringList& subory, const std::vector<CitanieSuboru>& citania);

    // The entry files of a year's directory, in name order.
    static QStringList suboryRoka(int rok);
    // The record image followed by the file's bytes after its stored record.
    static QByteArray sNovouHlavickou(const TZnalKevrotZaznam& zaznam, const QByteArray& data,
                                      qsizetype koniecZaznamu);
    // The record (with its image) as stored in `data`, with every field of `zaznam` that
    // differs written over it; `zaznam` itself when `data` holds no record.
    static TZnalKevrotZaznam zlucenySoSuborom(const TZnalKevrotZaznam& zaznam, const std::optional<QByteArray>& data);
    // The VAT rate of 0 as the program reads it.
    static void doplnSadzbuDPH(TZnalKevrotZaznam& z);
};
