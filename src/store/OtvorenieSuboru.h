#pragma once
// How a file is opened in the desktop's programs: rich text in LibreOffice Writer and
// workbooks in LibreOffice Calc when they are installed, anything else (or either without
// LibreOffice) in the desktop's default
// application for its type; when nothing can open it, a message that says what to install.

#include <QString>
#include <QStringList>

#include <functional>

struct SposobOtvorenia {
    QString program;      // empty: the desktop's default application
    QStringList argumenty;
    QString chyba;        // not empty: the file cannot be opened; the text for the user
};

// `najdiProgram`: the path of an executable on PATH, empty when missing.
// `predvolenaAplikacia`: the desktop's default application for a MIME type, empty for none.
SposobOtvorenia UrciOtvorenie(const QString& cesta, const std::function<QString(const QString&)>& najdiProgram,
                              const std::function<QString(const QString&)>& predvolenaAplikacia);

// The text for a program that did not start.
QString TextNeotvorenehoSuboru(const QString& cesta, const QString& program);
