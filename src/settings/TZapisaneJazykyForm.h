#pragma once
// "Zapísané jazyky": the languages an interpreter or translator is registered for.

#include "Jazyky.h"
#include "ZoznamZapisanychForm.h"


class TZapisaneJazykyForm : public ZoznamZapisanychForm {
    Q_OBJECT
public:
    TZapisaneJazykyForm(Jazyky& ciselnik, const TZapisaneJazykyText& texty, QWidget* rodic = nullptr);

    // The language text and the most used code (valid after OK).
    TZapisaneJazykyText texty() const { return Jazyky::ZapisaneJazykyText(m_zoznam); }
    const QList<TZapisanyJazyk>& zoznam() const { return m_zoznam; }

    void Pridaj() override;
    void Oprav() override;
    void Zmaz() override;
    void UrciNajpouzivanejsi() override;

private:
    void obnov();
    TZapisanyJazyk jazyk(const QString& kod, bool najpouzivanejsi) const;

    Jazyky& m_ciselnik;
    QList<TZapisanyJazyk> m_zoznam;
};
