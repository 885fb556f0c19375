#pragma once
// The document buttons of the entry editor's tab "Vyúčtovanie": "Tlač vyúčtovania",
// "Príjmový doklad", "Faktúra", "Cestovný príkaz", each with its mark (the working file
// exists) and a "PDF" button that saves the same document as PDF.

#include <QList>
#include <QWidget>

#include <functional>

#include "editor/DokladyZaznamu.h"

class QLabel;
class QPushButton;

class DokladyPanel : public QWidget {
    Q_OBJECT
public:
    using Zdroj = std::function<PodkladyDokladu()>;
    DokladyPanel(Zdroj zdroj, QWidget* rodic = nullptr);

    // In the order of VsetkyDoklady.
    QList<QPushButton*> tlacidla;
    QList<QPushButton*> tlacidlaPdf;
    QList<QLabel*> znacky;
    QPushButton* btnVsetky = nullptr;

    void Vytvor(DruhDokladu druh);
    void VytvorPdf(DruhDokladu druh);
    // "Všetky doklady": every document of the entry as PDF and the e-invoice, kept with the
    // entry, then shown.
    void VytvorVsetky();
    void ObnovZnacky();
    // A button of the entry put in the row of "Všetky doklady", under the next document.
    void PridajDoRiadkuVsetkych(QPushButton* b);

private:
    int m_dalsiStlpec = 4;
    Zdroj m_zdroj;
};
