#include "ObjednavkyZalozka.h"

#include "EditorVolania.h"
#include "ObjednavkyPrikazy.h"
#include "TVyhladavanieObjednavkyForm.h"
#include "kevrot/Udaje.h"

#include <QTableView>

ObjednavkyZalozka::ObjednavkyZalozka(Udaje& udaje, const bool& nacitavanie, QWidget* rodic)
    : ZalozkaRegistra(new ObjednavkyTabulka(udaje.objednavky.ZoznamObjednavok),
                      {QStringLiteral(" Stav objednávok "),
                       {QStringLiteral("nerozpracované"), QStringLiteral("rozpracované"), QStringLiteral("vypracované"),
                        QStringLiteral("všetky")},
                       {}},
                      nacitavanie, rodic),
      m_udaje(udaje), m_tabulka(static_cast<ObjednavkyTabulka*>(StringGrid1->model()))
{
    rbNerozpracovane = rbStavy[0];
    rbRozpracovane = rbStavy[1];
    rbVypracovane = rbStavy[2];
    rbVsetky = rbStavy[3];
}

void ObjednavkyZalozka::nastavStav(int stav) { m_tabulka->NastavStav(ObjednavkyTabulka::Stav(stav)); }

void ObjednavkyZalozka::nacitajRok(int rok)
{
    m_udaje.objednavky.NacitajObjednavky(rok);
    m_tabulka->ZoradPodlaHlavicky();
}

void ObjednavkyZalozka::Pridaj()
{
    TObjednavka o = ObjednavkyPrikazy::NovaDoEditora(m_udaje.objednavky);
    if (!UpravObjednavkuVEditore(this, m_udaje, o, true))
        return;
    ObjednavkyPrikazy::Pridaj(m_udaje.objednavky, o, rok());
    m_tabulka->Obnov();
}

void ObjednavkyZalozka::Uprav(int riadok)
{
    const int p = m_tabulka->Pozicia(riadok);
    if (p < 0)
        return;
    TObjednavka o = m_udaje.objednavky.ZoznamObjednavok[p];
    if (UpravObjednavkuVEditore(this, m_udaje, o, false)) {
        ObjednavkyPrikazy::UlozUpravu(m_udaje.objednavky, p, o, rok());
        m_tabulka->Obnov();
    }
    VyberRiadok(riadok);
}

void ObjednavkyZalozka::Zmaz()
{
    const int p = VybranaPozicia();
    if (p < 0)
        return;
    const int riadok = StringGrid1->currentIndex().row();
    ObjednavkyPrikazy::Zmaz(m_udaje.objednavky, p, rok());
    m_tabulka->Obnov();
    VyberRiadok(qMin(riadok, m_tabulka->rowCount() - 1));
}

void ObjednavkyZalozka::Vyhladaj() { vyhladaj<TVyhladavanieObjednavkyForm>(m_tabulka->filter()); }

void ObjednavkyZalozka::VycistiFilter() { nastavFilter(m_tabulka->filter(), {}); }
