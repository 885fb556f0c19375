#include "TZapisaneJazykyForm.h"

#include "TJazykForm.h"
#include "TNajpouzivanejsiForm.h"

#include <QTableWidget>

TZapisaneJazykyForm::TZapisaneJazykyForm(Jazyky& ciselnik, const TZapisaneJazykyText& texty, QWidget* rodic)
    : ZoznamZapisanychForm(QStringLiteral("Zapísané jazyky"), {QStringLiteral("KÓD"), QStringLiteral("Názov")}, 3,
                           QStringLiteral("Urči najviac používaný jazyk"), rodic),
      m_ciselnik(ciselnik), m_zoznam(ciselnik.ZapisaneJazyky(texty.Jazyky, texty.Najpouzivanejsi))
{
    connect(Grid, &QTableWidget::cellDoubleClicked, this, [this] { Oprav(); });
    obnov();
}

TZapisanyJazyk TZapisaneJazykyForm::jazyk(const QString& kod, bool najpouzivanejsi) const
{
    return {kod.left(6), m_ciselnik.NazovJazyka(kod).left(50), najpouzivanejsi};
}

void TZapisaneJazykyForm::obnov()
{
    Grid->setRowCount(int(m_zoznam.size()));
    for (int i = 0; i < m_zoznam.size(); ++i) {
        Grid->setItem(i, 0, new QTableWidgetItem(m_zoznam.at(i).Kod));
        Grid->setItem(i, 1, new QTableWidgetItem(m_zoznam.at(i).Nazov));
        Grid->setItem(i, 2, new QTableWidgetItem(QString::number(i)));
    }
}

void TZapisaneJazykyForm::Pridaj()
{
    QString kod;
    if (!VyberJazyk(this, m_ciselnik, kod))
        return;
    m_zoznam.append(jazyk(kod, false));
    obnov();
}

void TZapisaneJazykyForm::Oprav()
{
    const int i = Grid->currentRow();
    if (i < 0 || i >= m_zoznam.size())
        return;
    QString kod = m_zoznam.at(i).Kod;
    if (!VyberJazyk(this, m_ciselnik, kod))
        return;
    m_zoznam[i] = jazyk(kod, m_zoznam.at(i).Najpouzivanejsi);
    obnov();
}

void TZapisaneJazykyForm::Zmaz()
{
    const int i = Grid->currentRow();
    if (i < 0 || i >= m_zoznam.size())
        return;
    m_zoznam.removeAt(i);
    obnov();
}

void TZapisaneJazykyForm::UrciNajpouzivanejsi()
{
    if (::UrciNajpouzivanejsi(this, true, m_zoznam))
        obnov();
}
