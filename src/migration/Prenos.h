#pragma once
// Copies from another installation into AppDir that never destroy this installation's data.
// The copies are first planned; Dokonci() then checks the free space, stages every new file
// beside the data and switches them in all or nothing (ZmenaSuborov): a file of this
// installation is never moved away before its replacement is complete, the replaced files are
// kept in the transfer's backup folder, and a failure puts everything back. Every file not
// taken is listed with its reason.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// A file or folder of the source, named as the source's file system has it (bytes) and as
// the program shows it (UTF-8, else Windows-1250).
struct PolozkaZdroja {
    QByteArray cesta;
    QString meno;
    bool adresar = false;
    bool subor = false;
};

class Prenos {
public:
    explicit Prenos(const QDateTime& cas = QDateTime::currentDateTime());

    // The source's root: links that lead out of it are not followed.
    void nastavZdroj(const QString& zdroj);

    // Plans the copy of the file `zdroj` to `cielRel` below AppDir ("Data/odbory.dat").
    bool kopiruj(const QString& zdroj, const QString& cielRel);
    bool kopiruj(const PolozkaZdroja& zdroj, const QString& cielRel, bool nahraditOdlisny = true);
    // Plans writing `obsah` to `cielRel`. `nahraditOdlisny`: a different file there is replaced
    // (else it is kept and listed).
    bool zapis(const QString& cielRel, const QByteArray& obsah, const QString& popis = {}, bool nahraditOdlisny = true);
    // Plans the copy of every file (not folders) of the folder `zdroj` into `cielRel`; the
    // target name of a file keeps the spelling of a file of the same name already there.
    void kopirujPriecinok(const QString& zdroj, const QString& cielRel, const QString& maska = {},
                          bool nahraditOdlisny = true);
    // A step run on the staged file `cielRel` (or on a staged copy of the one there) before
    // the switch; false fails the transfer.
    void uprav(const QString& cielRel, const std::function<bool(const QString&)>& krok);
    // Lists a file or folder not taken.
    void nevzaty(const QString& co, const QString& dovod);

    // The files and folders of a source folder, links out of the source and unreadable
    // folders listed as not taken. Sorted by name.
    QList<PolozkaZdroja> zoznam(const QString& adresar);

    // Carries the plan out. False when nothing was changed (the reason in `chyba`).
    bool Dokonci();

    // "Zaloha/prenos-<date time>" below AppDir.
    QString adresarZalohy() const;

    int skopirovane = 0;     // files written
    int nezmenene = 0;       // files already there with the same content
    int zalohovane = 0;      // files of this installation replaced (kept in the backup folder)
    QStringList chyby;       // "<file>: <reason>" of everything not taken
    QString chyba;           // why the transfer changed nothing

    // The final message: what was done, what was kept and what failed.
    QString Zhrnutie(const QString& uvod) const;

private:
    struct Plan {
        QByteArray zdroj;  // empty: `obsah`
        QByteArray obsah;
        QString rel;
        QString popis;
        bool nahradit = true;
    };
    bool vnutriZdroja(const QByteArray& cesta) const;
    QList<Plan> m_plan;
    QList<std::pair<QString, std::function<bool(const QString&)>>> m_upravy;
    QByteArray m_koren;
    QString m_zaloha;
};

// Finds a child of `adresar` named `meno` regardless of letter case; the exact match first.
// Empty when there is none.
QString NajdiBezOhladuNaVelkost(const QString& adresar, const QString& meno);
// The same for a relative path of several parts ("ZnaleckyKevrot texty/Text vyuctovania").
QString NajdiCestu(const QString& adresar, const QString& relativna);
