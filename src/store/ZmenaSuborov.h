#pragma once
// A change of many files below AppDir made all or nothing (restore, transfer). The new files
// are first written into a staging folder on the same file system; then the files to be
// replaced are kept by hard link (or copy), a journal of the switch is written, and the staged
// files are renamed into place. A switch cut short by a crash is finished at the next start
// (ZmenaSuborov::DokonciPrerusenu); a change cut short before its journal was written is
// thrown away, and the data were never touched.

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

#include "Vysledok.h"

class ZmenaSuborov {
public:
    // `popis`: what the change is, for messages ("obnova zo zálohy", "prenos údajov").
    explicit ZmenaSuborov(const QString& popis);
    ~ZmenaSuborov();  // throws away what was staged when not switched
    ZmenaSuborov(const ZmenaSuborov&) = delete;
    ZmenaSuborov& operator=(const ZmenaSuborov&) = delete;

    // Stages the new content of `rel` (relative to AppDir).
    Vysledok zapis(const QString& rel, const QByteArray& obsah);
    // The staged file's path, for a step that changes it in place.
    QString cestaStaged(const QString& rel) const;
    // Marks `rel` for removal.
    void zmaz(const QString& rel);
    bool jeStaged(const QString& rel) const { return m_noveSet.contains(rel); }
    int pocetZmien() const { return int(m_nove.size() + m_zmazane.size()); }
    // Files of this installation the switch replaces or removes.
    int pocetNahradenych() const { return m_nahradene; }

    // Switches all staged files into place. With `odlozStare` (relative to AppDir), the
    // replaced and removed files are kept there afterwards. On any failure every file is
    // put back as it was and the failure is returned.
    Vysledok prepni(const QString& odlozStare = {});

    // The staging folder below AppDir.
    static QString Priecinok();
    // Whether a change was cut short (its folder is there), or the removal of a finished
    // change's folder was.
    static bool JePrerusena();
    // Finishes a switch cut short (or throws away staging that never began switching), and
    // removes what a finished change left. The text for the user, or nothing when there was
    // nothing to tell. Only for the lock's holder.
    static std::optional<QString> DokonciPrerusenu();

    // For tests: the switch fails after `poPresunoch` files were moved into place.
    static void nastavPoruchu(std::optional<int> poPresunoch);

private:
    Vysledok pripravPriecinok();
    QString m_popis;
    QString m_priecinok;
    bool m_pripraveny = false;
    bool m_prepnute = false;
    QStringList m_nove;         // in order of staging
    QSet<QString> m_noveSet;
    QStringList m_zmazane;
    QSet<QString> m_vytvoreneAdresare;
    int m_nahradene = 0;
};
