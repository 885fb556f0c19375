#pragma once
// Copies from another installation into AppDir that never destroy this installation's data:
// a file that a copy would replace with different content is first moved into the
// transfer's backup folder, every copy is atomic, and what could not be copied is listed.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

class Prenos {
public:
    explicit Prenos(const QDateTime& cas = QDateTime::currentDateTime());

    // Copies the file `zdroj` to `cielRel` below AppDir ("Data/odbory.dat"). False when it
    // could not be read or written (listed in `chyby`).
    bool kopiruj(const QString& zdroj, const QString& cielRel);
    // Writes `obsah` to `cielRel` below AppDir on the same terms.
    bool zapis(const QString& cielRel, const QByteArray& obsah, const QString& popis = {});
    // Copies every file (not folders) of the folder `zdroj` into `cielRel`; the target
    // name of a file keeps the spelling of a file of the same name already there.
    void kopirujPriecinok(const QString& zdroj, const QString& cielRel, const QString& maska = {});

    // "Zaloha/prenos-<date time>" below AppDir.
    QString adresarZalohy() const;

    int skopirovane = 0;     // files written
    int nezmenene = 0;       // files already there with the same content
    int zalohovane = 0;      // files of this installation moved to the backup folder
    QStringList chyby;       // "<file>: <reason>"

    // The final message: what was done, what was kept and what failed.
    QString Zhrnutie(const QString& uvod) const;

private:
    bool zalohuj(const QString& ciel, const QString& cielRel);
    QString m_zaloha;
};

// Finds a child of `adresar` named `meno` regardless of letter case; the exact match first.
// Empty when there is none.
QString NajdiBezOhladuNaVelkost(const QString& adresar, const QString& meno);
// The same for a relative path of several parts ("ZnaleckyKevrot texty/Text vyuctovania").
QString NajdiCestu(const QString& adresar, const QString& relativna);
