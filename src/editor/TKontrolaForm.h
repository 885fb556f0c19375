#pragma once
// "Dokument už existuje": open the existing document, build a new one, or nothing.

#include <QDialog>

#include "editor/DokladyZaznamu.h"

class QPushButton;

class TKontrolaForm : public QDialog {
    Q_OBJECT
public:
    TKontrolaForm(const QString& nazovDokumentu, QWidget* rodic = nullptr);

    VolbaDokladu volba() const { return m_volba; }

    QPushButton* btnOtvorit = nullptr;
    QPushButton* btnVytvorit = nullptr;
    QPushButton* btnStorno = nullptr;

    // Shows the window modally and gives the answer; closing it is "Storno".
    static VolbaDokladu Opytaj(QWidget* rodic, const QString& nazovDokumentu);

private:
    VolbaDokladu m_volba = VolbaDokladu::Storno;
};
