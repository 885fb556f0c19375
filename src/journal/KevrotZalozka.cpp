#include "KevrotZalozka.h"

#include "DetailZaznamu.h"
#include "EditorVolania.h"
#include "FarbyRegistra.h"
#include "KevrotPrikazy.h"
#include "ZoradenieKevrota.h"
#include "widgets/NedostupnaFunkcia.h"
#include "finance/TStavFinanciiForm.h"
#include "reports/TVypisKevrotForm.h"
#include "reports/TlacKevrotaOkna.h"
#include "TVyhladavanieKevrotForm.h"
#include "kevrot/Udaje.h"

#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>

KevrotZalozka::KevrotZalozka(Udaje& udaje, const bool& nacitavanie, QWidget* rodic)
    : ZalozkaRegistra(new KevrotTabulka(udaje.zurnal.ZaznamyKevrota, &m_kopirovanie),
                      {QStringLiteral(" Stav kevrota "),
                       {QStringLiteral("nevyplatené"), QStringLiteral("vyplatené"), QStringLiteral("všetky")},
                       {QStringLiteral("Vytvor kópiu"), QStringLiteral("Vytlač obrazovka"), QStringLiteral("Vytlač Excel"),
                        QStringLiteral("Výpis z kevrota"), QStringLiteral("Stav financií")}},
                      nacitavanie, rodic),
      m_udaje(udaje), m_tabulka(static_cast<KevrotTabulka*>(StringGrid1->model()))
{
    rbNevyplatene = rbStavy[0];
    rbVyplatene = rbStavy[1];
    rbVsetky = rbStavy[2];
    btnVytvorKopiu = dalsieTlacidla[0];
    btnVytlacObrazovka = dalsieTlacidla[1];
    btnVytlacExcel = dalsieTlacidla[2];
    btnVypis = dalsieTlacidla[3];
    btnStavFinancii = dalsieTlacidla[4];
    connect(btnVytvorKopiu, &QPushButton::clicked, this, &KevrotZalozka::VytvorKopiu);
    connect(btnVytlacObrazovka, &QPushButton::clicked, this, &KevrotZalozka::VytlacObrazovka);
    connect(btnVytlacExcel, &QPushButton::clicked, this, &KevrotZalozka::VytlacExcel);
    connect(btnStavFinancii, &QPushButton::clicked, this, &KevrotZalozka::StavFinancii);

    nastavVyberMriezky();
    StringGrid1->viewport()->installEventFilter(this);
    PopupMenu = new QMenu(this);
    connect(PopupMenu->addAction(QStringLiteral("Kopiruj")), &QAction::triggered, this, &KevrotZalozka::Kopiruj);
    connect(PopupMenu->addAction(QStringLiteral("Vloz")), &QAction::triggered, this, &KevrotZalozka::Vloz);
    vytvorDetailPanel();
    connect(btnVypis, &QPushButton::clicked, this, &KevrotZalozka::VypisZKevrota);
}

void KevrotZalozka::vytvorDetailPanel()
{
    DetailPanel = new QFrame(this);
    DetailPanel->setFrameShape(QFrame::Box);
    DetailPanel->setAutoFillBackground(true);
    DetailPanel->setStyleSheet(QStringLiteral("QFrame { background: #ffffe1; }"));
    auto* f = new QFormLayout(DetailPanel);
    for (const auto& [popis, text] : DetailZaznamu(RiadokKevrota{})) {
        auto* hodnota = new QLabel(DetailPanel);
        hodnota->setWordWrap(true);
        hodnota->setMaximumWidth(260);
        f->addRow(new QLabel(popis, DetailPanel), hodnota);
        m_detailHodnoty.append(hodnota);
    }
    DetailPanel->installEventFilter(this);
    DetailPanel->hide();
}

void KevrotZalozka::nastavVyberMriezky()
{
    const bool kop = m_kopirovanie.zapnuty();
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setSelectionBehavior(kop ? QAbstractItemView::SelectItems : QAbstractItemView::SelectRows);
    // In copy mode the cell text can be selected in place; nothing typed is kept.
    StringGrid1->setEditTriggers(kop ? QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                                     : QAbstractItemView::NoEditTriggers);
}

void KevrotZalozka::nastavStav(int stav) { m_tabulka->NastavStav(KevrotTabulka::Stav(stav)); }

void KevrotZalozka::nacitajRok(int rok)
{
    m_udaje.zurnal.NacitajKevrot(rok);
    m_tabulka->NastavRok(rok);
    m_tabulka->ZoradPodlaHlavicky();
}

void KevrotZalozka::Pridaj()
{
    UpravaZaznamu u = KevrotPrikazy::NovyZaznam(m_udaje.zurnal, rok(), m_udaje.nastavenia.Nastavenie.Splatnost);
    Zurnal::PripravPracovnyAdresar();
    if (!UpravZaznamVEditore(this, m_udaje, u, -1))
        return;
    KevrotPrikazy::PridajZaznam(m_udaje.zurnal, u);
    zoradAVyber(u.zaznam.Rok, u.zaznam.PoradoveCislo, -1);
}

void KevrotZalozka::Uprav(int riadok)
{
    const int p = m_tabulka->Pozicia(riadok);
    if (p < 0 || m_kopirovanie.zapnuty())
        return;
    Zurnal& zurnal = m_udaje.zurnal;
    UpravaZaznamu u;
    auto zaznam = zurnal.NacitajCelyZaznam(p);
    if (!zaznam)
        return;
    u.zaznam = std::move(*zaznam);
    u.vydavky = zurnal.VydavkyZaznamu;
    u.vyplatenia = zurnal.VyplateniaZaznamu;
    Zurnal::NacitajDokumenty(u.zaznam);
    if (UpravZaznamVEditore(this, m_udaje, u, p)) {
        KevrotPrikazy::UlozUpravu(zurnal, p, u);
        zoradAVyber(u.zaznam.Rok, u.zaznam.PoradoveCislo, riadok);
    } else {
        VyberRiadok(riadok);
    }
}

void KevrotZalozka::Zmaz()
{
    const int p = VybranaPozicia();
    if (p < 0)
        return;
    const int riadok = StringGrid1->currentIndex().row();
    const RiadokKevrota z = m_udaje.zurnal.ZaznamyKevrota[p];
    KevrotPrikazy::Zmaz(m_udaje.zurnal, p, rok());
    // The same entry stays selected (after "No"), or the one that took the deleted one's place.
    zoradAVyber(z.Rok, z.PoradoveCislo, qMin(riadok, m_tabulka->rowCount() - 2));
}

void KevrotZalozka::VytvorKopiu()
{
    const int p = VybranaPozicia();
    if (p < 0)
        return;
    const RiadokKevrota z = m_udaje.zurnal.ZaznamyKevrota[p];
    if (KevrotPrikazy::VytvorKopiu(m_udaje.zurnal, p))
        zoradAVyber(z.Rok, z.PoradoveCislo, -1);
}

void KevrotZalozka::zoradAVyber(int rok, int cislo, int nahradnyRiadok)
{
    m_tabulka->ZoradPodlaHlavicky();
    const auto& zaznamy = m_udaje.zurnal.ZaznamyKevrota;
    for (int r = 0; r < m_tabulka->rowCount(); ++r) {
        const RiadokKevrota& z = zaznamy[m_tabulka->Pozicia(r)];
        if (z.Rok == rok && z.PoradoveCislo == cislo) {
            VyberRiadok(r);
            return;
        }
    }
    VyberRiadok(nahradnyRiadok);
}

void KevrotZalozka::Vyhladaj() { vyhladaj<TVyhladavanieKevrotForm>(m_tabulka->filter()); }

void KevrotZalozka::VycistiFilter() { nastavFilter(m_tabulka->filter(), {}); }

void KevrotZalozka::PrepniKopirovanie()
{
    m_kopirovanie.Prepni();
    nastavVyberMriezky();
    m_tabulka->Prekresli();
}

void KevrotZalozka::Kopiruj()
{
    if (!m_kopirovanie.zapnuty())
        return;
    const QModelIndex i = StringGrid1->currentIndex();
    const int p = m_tabulka->Pozicia(i.row());
    if (p < 0)
        return;
    m_kopirovanie.Kopiruj(m_udaje.zurnal.ZaznamyKevrota[p], i.row(), i.column());
    m_tabulka->Prekresli();
}

void KevrotZalozka::Vloz()
{
    const QModelIndex i = StringGrid1->currentIndex();
    const int p = m_tabulka->Pozicia(i.row());
    if (p < 0)
        return;
    KevrotPrikazy::VlozHodnotu(m_udaje.zurnal, m_kopirovanie, p, i.column());
    m_tabulka->Prekresli();
}

void KevrotZalozka::UkazDetail(int riadok, const QPoint& kde)
{
    const int p = m_tabulka->Pozicia(riadok);
    if (p < 0) {
        for (auto* l : m_detailHodnoty)
            l->clear();
        SkryDetail();
        return;
    }
    const auto riadky = DetailZaznamu(m_udaje.zurnal.ZaznamyKevrota[p]);
    for (int i = 0; i < riadky.size() && i < m_detailHodnoty.size(); ++i)
        m_detailHodnoty[i]->setText(riadky[i].second);
    DetailPanel->adjustSize();
    const QPoint vGride = StringGrid1->mapTo(this, QPoint(20, 0));
    int y = kde.y() + 20;
    if (y + DetailPanel->height() > height())
        y = qMax(0, height() - DetailPanel->height());
    DetailPanel->move(vGride.x(), y);
    DetailPanel->raise();
    DetailPanel->show();
}

void KevrotZalozka::SkryDetail() { DetailPanel->hide(); }

void KevrotZalozka::VytlacObrazovka()
{
    // Printed in number order, which the register then shows.
    m_tabulka->ZoradPreTlac();
    TlacKevrota::ZobrazKevrot(m_udaje.zurnal.ZaznamyKevrota, m_udaje.nastavenia, m_udaje.odbory, rok(), window(),
                              &m_udaje.jazyky);
}

PismoTabulky KevrotZalozka::pismoTabulky()
{
    m_udaje.nastavenia.DoplnPredvoleneFonty();
    const auto& n = m_udaje.nastavenia.Nastavenie;
    return {n.TableFontName, n.TableFontSize};
}

void KevrotZalozka::VytlacExcel()
{
    // The workbook lists the entries by number; the screen keeps the order the user chose.
    QList<RiadokKevrota> zaznamy = m_udaje.zurnal.ZaznamyKevrota;
    ZoradKevrot(zaznamy, 0, false);
    ::VytlacExcel(zaznamy, rok(), VariantExportu::Register, pismoTabulky());
}

void KevrotZalozka::StavFinancii()
{
    TStavFinanciiForm f(m_udaje.zurnal, rok(), pismoTabulky(), this);
    f.exec();
}

TVypisKevrotForm* KevrotZalozka::VypisZKevrota()
{
    auto* f = new TVypisKevrotForm(m_udaje.nastavenia.Nastavenie, m_udaje.odbory, m_udaje.zurnal.ZaznamyKevrota,
                                   rok(), window(), &m_udaje.jazyky);
    f->setAttribute(Qt::WA_DeleteOnClose);
    f->setModal(true);
    f->show();
    return f;
}

bool KevrotZalozka::eventFilter(QObject* o, QEvent* e)
{
    if (o == StringGrid1->viewport() && e->type() == QEvent::MouseButtonPress) {
        const auto* m = static_cast<QMouseEvent*>(e);
        const QPoint p = m->position().toPoint();
        const QModelIndex i = StringGrid1->indexAt(p);
        if (m->button() == Qt::RightButton) {
            if (i.isValid())
                StringGrid1->setCurrentIndex(i);
            if (!i.isValid())
                SkryDetail();
            else
                UkazDetail(i.row(), StringGrid1->viewport()->mapTo(this, p));
            if (m_kopirovanie.zapnuty()) {
                const QPoint klik = m->globalPosition().toPoint();
                const QRect panel = DetailPanel->isVisible()
                                        ? QRect(DetailPanel->mapToGlobal(QPoint()), DetailPanel->size())
                                        : QRect();
                const QScreen* s = screen();
                PopupMenu->popup(s ? MiestoPonuky(panel, PopupMenu->sizeHint(), klik, s->availableGeometry()) : klik);
            }
        } else {
            SkryDetail();
        }
    } else if (o == DetailPanel && e->type() == QEvent::MouseButtonPress) {
        SkryDetail();
        return true;
    }
    return ZalozkaRegistra::eventFilter(o, e);
}
