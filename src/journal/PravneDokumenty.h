#pragma once
// The legal texts listed on the tab "Dokumenty", each a PDF file in "\Data".

#include <QList>
#include <QString>

struct PravnyDokument {
    QString text;   // the line shown
    QString subor;  // file name in "\Data"
};

const QList<PravnyDokument>& PravneDokumenty();

// Full path of a document's file.
QString CestaDokumentu(const PravnyDokument& d);

// Opens the document with the desktop's viewer when its file exists; a missing file does
// nothing and says nothing. True when it was handed to the viewer.
bool OtvorDokument(const PravnyDokument& d);
