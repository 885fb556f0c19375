#pragma once
// What the template text editor does, apart from its window: the placeholder panels, the
// status texts, loading the target file, and "Vlož", which writes the text to the target
// file or deletes the file when the text is empty.

#include <QString>
#include <QStringList>

#include "store/Vysledok.h"

class QTextDocument;

namespace RichEdit {

enum class Panel { Ziadny, Vyuctovanie, Korespondencia };

inline const QString Neoznaceny = QStringLiteral("Neoznačený");
inline const QString TextModifikovany = QStringLiteral("Modifikovaný");

// The buttons of a placeholder panel, in their order.
QStringList tlacidlaPanela(Panel panel);
// The text a button inserts: its name between two dollars.
QString zastupca(const QString& meno);

// "Riadok: %3d   Stĺpec: %3d", counted from 1.
QString textPolohy(int riadok, int stlpec);

// Loads the target file when it exists; otherwise an empty text in the basic font (regular).
void nacitajCiel(QTextDocument& dokument, const QString& ciel, const QString& pismo, double velkost);
void pripravPrazdny(QTextDocument& dokument, const QString& pismo, double velkost);

// "Vlož": any text is written to the target file as rich text, replacing it; an empty text
// deletes the file. A failure's reason is the message for the user.
Vysledok vlozDoCiela(const QTextDocument& dokument, const QString& ciel);

// Opens an .rtf (or plain .txt) file into the editor; false when it cannot be read.
bool otvorSubor(QTextDocument& dokument, const QString& cesta);
// Writes the editor's text as rich text.
Vysledok ulozSubor(QTextDocument& dokument, const QString& cesta);
// "Ulož súbor ako": an existing file is overwritten only when the user says so.
bool smiePrepisat(const QString& cesta);

}  // namespace RichEdit
