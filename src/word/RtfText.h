#pragma once
// Text put into RTF source: every character that is not plain printable ASCII, and the
// three characters that mean something to RTF, are escaped.

#include <QByteArray>
#include <QString>

namespace RtfText {

// For values put into a template's source: "\\", "\{", "\}", "\'hh" for a character of
// Windows-1250, "\uN?" for any other; tab and line break as "\tab " and "\line ".
QByteArray escapuj(const QString& text);

// For documents the program writes: a Windows-1250 character as "\uN\'hh" (readers that
// know Unicode take N, others the byte), any other as "\uN?". Needs \uc1 in force.
QByteArray escapujUnicode(const QString& text);

// For names that are read without a font (bookmarks): anything outside ASCII as "\uN?".
QByteArray escapujNazov(const QString& text);

}  // namespace RtfText
