#pragma once
#include <QByteArray>
#include <QString>

// The Windows-1250 code page of the stored files.
namespace Win1250 {

QString dekoduj(const char* data, qsizetype dlzka);
inline QString dekoduj(const QByteArray& b) { return dekoduj(b.constData(), b.size()); }

// A character that the code page cannot hold becomes '?'.
QByteArray koduj(const QString& text);

// True when every character of the text has a byte of its own in the code page.
bool daSaZakodovat(const QString& text);

// The byte of one character, or -1 when the code page has none.
int bajt(char16_t znak);

}  // namespace Win1250
