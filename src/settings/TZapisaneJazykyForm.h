#pragma once
// "Zapísané jazyky": the languages an interpreter or translator is registered for.

#include <QDialog>

#include "Jazyky.h"

class QPushButton;
class QTableWidget;

class TZapisaneJazykyForm : public QDialog {
    Q_OBJECT
public:
    TZapisaneJazykyForm(Jazyky& ciselnik, const TZapisaneJazykyText& texty, QWidget* rodic = nullptr);

    // The language text and the most used code (valid after OK).
    TZapisaneJazykyText texty() const { return Jazyky::ZapisaneJazykyText(m_zoznam); }
    const QList<TZapisanyJazyk>& zoznam() const { return m_zoznam; }

    void Pridaj();
    void Oprav();
    void Zmaz();
    void UrciNajpouzivanejsi();

    QTableWidget* Grid = nullptr;
    QPushButton* btnPridaj = nullptr;
    QPushButton* btnOprav = nullptr;
    QPushButton* btnZmaz = nullptr;
    QPushButton* btnNajpouzivanejsi = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    void obnov();
    TZapisanyJazyk jazyk(const QString& kod, bool najpouzivanejsi) const;

    Jazyky& m_ciselnik;
    QList<TZapisanyJazyk> m_zoznam;
};
