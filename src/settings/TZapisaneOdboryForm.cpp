#include "TZapisaneOdboryForm.h"

#include "OdboryOdvetvia.h"
#include "TNajpouzivanejsiForm.h"
#include "TOdborOdvetvieForm.h"

#include <QTableWidget>

TZapisaneOdboryForm::TZapisaneOdboryForm(OdboryOdvetvia& ciselnik, const TZapisaneKody& kody, QWidget* rodic)
    : ZoznamZapisanychForm(QStringLiteral("Zapísané odbory a odvetvia"),
                           {QStringLiteral("Odbor/odvetvie"), QStringLiteral("Názov")}, 5,
                           QStringLiteral("Urči najviac používaný odbor"), rodic),
      m_ciselnik(ciselnik), m_zoznam(ciselnik.ZapisaneOdbory(kody.Odbory, kody.Odvetvia, kody.Najpouzivanejsi))
{
    connect(Grid, &QTableWidget::cellDoubleClicked, this, [this](int r, int) { DvojklikRiadka(r); });
    obnov();
}

void TZapisaneOdboryForm::obnov()
{
    Grid->setRowCount(0);
    auto riadok = [this](const QString& kod, const QString& nazov, bool odbor, int io, int iv) {
        const int r = Grid->rowCount();
        Grid->insertRow(r);
        const QStringList texty{kod, nazov, odbor ? QStringLiteral("1") : QStringLiteral("0"), QString::number(io),
                                QString::number(iv)};
        for (int s = 0; s < texty.size(); ++s)
            Grid->setItem(r, s, new QTableWidgetItem(texty.at(s)));
        return r;
    };
    for (int i = 0; i < m_zoznam.size(); ++i) {
        const TOdborOdvetvie& o = m_zoznam.at(i);
        const int r = riadok(o.Kod, o.Nazov, true, i, -1);
        for (int s = 0; s < 2; ++s) {
            QTableWidgetItem* p = Grid->item(r, s);
            QFont f = p->font();
            f.setBold(true);
            f.setUnderline(o.Najpouzivanejsi);
            p->setFont(f);
            p->setBackground(QColor(0xc0, 0xc0, 0xc0));
            p->setForeground(Qt::blue);
        }
        if (o.Rozbaleny)
            for (int j = 0; j < o.ZoznamOdvetvi.size(); ++j)
                riadok(o.ZoznamOdvetvi.at(j).Kod, o.ZoznamOdvetvi.at(j).Nazov, false, i, j);
    }
}

bool TZapisaneOdboryForm::vybraneOdvetvie(int& odbor, int& odvetvie) const
{
    const int r = Grid->currentRow();
    if (r < 0 || Grid->item(r, Druh)->text() != u"0")
        return false;
    odbor = Grid->item(r, IndexOdboru)->text().toInt();
    odvetvie = Grid->item(r, IndexOdvetvia)->text().toInt();
    return true;
}

void TZapisaneOdboryForm::Pridaj()
{
    QString odbor, odvetvie;
    if (!VyberOdborOdvetvie(this, m_ciselnik, odbor, odvetvie, false))
        return;
    TOdvetvie v;
    v.Kod = odvetvie;
    v.Nazov = m_ciselnik.NazovOdvetvia(odvetvie);
    PridajZapisaneOdvetvie(m_zoznam, odbor, m_ciselnik.NazovOdboru(odbor), v);
    obnov();
}

void TZapisaneOdboryForm::Oprav()
{
    int io, iv;
    if (!vybraneOdvetvie(io, iv))
        return;
    QString odbor = m_zoznam.at(io).Kod, odvetvie = m_zoznam.at(io).ZoznamOdvetvi.at(iv).Kod;
    if (!VyberOdborOdvetvie(this, m_ciselnik, odbor, odvetvie, true))
        return;
    TOdvetvie v;
    v.Kod = odvetvie;
    v.Nazov = m_ciselnik.NazovOdvetvia(odvetvie);
    NahradZapisaneOdvetvie(m_zoznam, io, iv, v);
    // Names of a field renamed in the dialog follow.
    m_zoznam[io].Nazov = m_ciselnik.NazovOdboru(m_zoznam.at(io).Kod);
    obnov();
}

void TZapisaneOdboryForm::Zmaz()
{
    int io, iv;
    if (!vybraneOdvetvie(io, iv))
        return;
    ZmazZapisaneOdvetvie(m_zoznam, io, iv);
    obnov();
}

void TZapisaneOdboryForm::UrciNajpouzivanejsi()
{
    if (::UrciNajpouzivanejsi(this, false, m_zoznam))
        obnov();
}

void TZapisaneOdboryForm::DvojklikRiadka(int riadok)
{
    if (riadok < 0 || riadok >= Grid->rowCount())
        return;
    if (Grid->item(riadok, Druh)->text() == u"0") {
        Grid->setCurrentCell(riadok, 0);
        Oprav();
        return;
    }
    const int io = Grid->item(riadok, IndexOdboru)->text().toInt();
    m_zoznam[io].Rozbaleny = !m_zoznam.at(io).Rozbaleny;
    obnov();
}
