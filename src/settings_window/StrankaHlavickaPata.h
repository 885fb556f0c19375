#pragma once
// "Hlavička/päta vyúčtovania": the billing header and footer files shown, edited, and made
// from the settings. The files are saved at once; the page keeps no values.

#include "StrankaNastavenia.h"

class QCheckBox;
class QPushButton;
class QTextEdit;

class StrankaHlavickaPata : public StrankaNastavenia {
    Q_OBJECT
public:
    StrankaHlavickaPata(const OknoNastavenia& okno, QWidget* rodic = nullptr);

    void nacitaj(const HodnotyNastavenia& h) override;
    void zober(HodnotyNastavenia&) const override {}

    void EditujHlavicku(bool pata);
    void ObnovHlavicku(bool pata);
    void HlavickaZAdresy();
    void PataZNastaveni();
    // "používať Word na editáciu textov" is offered and checked.
    bool cezWord() const;

    QTextEdit* viewHlavicka = nullptr;
    QTextEdit* viewPata = nullptr;
    QPushButton* btnEditujHlavicku = nullptr;
    QPushButton* btnObnovHlavicku = nullptr;
    QPushButton* btnHlavickaZAdresy = nullptr;
    QPushButton* btnPataZNastaveni = nullptr;
    QPushButton* btnEditujPatu = nullptr;
    QPushButton* btnObnovPatu = nullptr;
    QCheckBox* chkWord = nullptr;

private:
    void zobraz(bool pata, const HodnotyNastavenia& h);

    const OknoNastavenia& m_okno;
};
