#pragma once
// "Nastavenie tlače": the basic, table and heading fonts with their sizes.

#include "StrankaNastavenia.h"

class QCheckBox;
class QComboBox;
class QSpinBox;

class StrankaTlac : public StrankaNastavenia {
    Q_OBJECT
public:
    explicit StrankaTlac(QWidget* rodic = nullptr);

    void nacitaj(const HodnotyNastavenia& h) override;
    void zober(HodnotyNastavenia& h) const override;

    QComboBox* cmbFontZakladny = nullptr;
    QSpinBox* spinFontZakladny = nullptr;
    QComboBox* cmbFontTabulky = nullptr;
    QSpinBox* spinFontTabulky = nullptr;
    QComboBox* cmbFontNadpisy = nullptr;
    QSpinBox* spinFontNadpisy = nullptr;
    QCheckBox* chkTucne = nullptr;
    QCheckBox* chkKurziva = nullptr;
};
