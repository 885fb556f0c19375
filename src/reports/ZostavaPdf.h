#pragma once
// Writing recorded pages into a PDF file, each page on a whole sheet of its paper.

#include <QList>
#include <QString>

#include "Komponenty.h"
#include "TDrawMetaFile.h"
#include "store/Vysledok.h"

// The pages of one report with the paper they are laid out for.
struct StranyZostavy {
    tPages strany;
    TPrinterOrientation orientacia = TPrinterOrientation::poPortrait;
    tPapersize papier = tPapersize::alr_A4;
};

// Writes every page of every report, in order, into one PDF (atomically). A failure's reason
// is the message for the user.
Vysledok UlozPdf(const QList<StranyZostavy>& zostavy, const QString& subor, const QString& titul = {});
