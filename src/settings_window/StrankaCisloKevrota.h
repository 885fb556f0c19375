#pragma once
// "Nastavenie čísla kevrota": the journal number. The appointment texts pass through the
// window unchanged.

#include "StrankaNastavenia.h"

class QLineEdit;

class StrankaCisloKevrota : public StrankaNastavenia {
    Q_OBJECT
public:
    explicit StrankaCisloKevrota(QWidget* rodic = nullptr);

    void nacitaj(const HodnotyNastavenia& h) override;
    void zober(HodnotyNastavenia& h) const override;

    // Leaving the box: a number is taken, anything else but an empty box is reported and cleared.
    void OpustilCisloKevrota();

    QLineEdit* editCisloKevrota = nullptr;

private:
    qint32 m_cislo = 0;
};
