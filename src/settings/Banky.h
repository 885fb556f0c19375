#pragma once
// The list of banks from which the settings pick the practitioner's bank, its file
// "\Data\banky.kvz" (one "code name" item a line) and the name of a bank by its code.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

#include "store/Vysledok.h"

// The current Slovak banks ("code name"), offered when the file does not exist.
const QStringList& VstavaneBanky();
// The BIC of a bank of the current list; empty for another code or a bank without one.
QString BicBanky(const QString& kod);
// A list that still holds lines of the bank list earlier versions shipped (banks that no
// longer exist): the current list followed by the user's own items; nothing otherwise.
std::optional<QStringList> AktualizovanyZoznamBank(const QStringList& ulozene);

QString SuborBank();

// The items of the file when it exists, else the built-in list. An unreadable file is
// reported and gives nothing (so that it is not overwritten by a list that lacks it).
std::optional<QStringList> NacitajBanky();
// At program start: a file that still holds the outdated shipped list is rewritten with
// the current one and the user's own banks. True when it was rewritten.
bool AktualizujSuborBank();

// Writes the whole list, every line ending in CR LF. False, after reporting, on failure.
Vysledok UlozBanky(const QStringList& banky);

// The name of the bank with a four-character code, from the file only: the text from the
// sixth character of the last line whose first four characters are the code. Empty when
// the file does not exist or no line matches.
QString NazovBanky(const QString& kod);

// Checks of the bank editor: empty when the code and name are acceptable, else the
// system's error text.
QString OverBanku(const QString& kod, const QString& nazov);

// "0200 Všeobecná úverová banka, a.s." made of and split into its code and name.
QString PolozkaBanky(const QString& kod, const QString& nazov);
QString KodPolozkyBanky(const QString& polozka);
QString NazovPolozkyBanky(const QString& polozka);

// The first item that contains the code anywhere in its text; -1 for none or an empty code.
int PolozkaSKodom(const QStringList& banky, const QString& kod);

// Lines of a Windows-1250 text (CR LF, LF or CR ends a line) and back (CR LF after every line).
QStringList RiadkyTextu(const QByteArray& obsah);
QByteArray TextZRiadkov(const QStringList& riadky);
