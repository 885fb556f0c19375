#include "DokladyPanel.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "editor/DatumVystavenia.h"
#include "editor/TKontrolaForm.h"
#include "editor/UlozenieEFaktury.h"
#include "store/Cesty.h"
#include "store/Spravy.h"

namespace {

QString nazovTlacidla(DruhDokladu d)
{
    switch (d) {
    case DruhDokladu::Vyuctovanie: return QStringLiteral("Tlač vyúčtovania");
    case DruhDokladu::Faktura: return QStringLiteral("Faktúra");
    case DruhDokladu::PrijmovyDoklad: return QStringLiteral("Príjmový doklad");
    case DruhDokladu::CestovnyPrikaz: return QStringLiteral("Cestovný príkaz");
    }
    return {};
}

}  // namespace

DokladyPanel::DokladyPanel(Zdroj zdroj, QWidget* rodic) : QWidget(rodic), m_zdroj(std::move(zdroj))
{
    auto* g = new QGridLayout(this);
    g->setContentsMargins(0, 0, 0, 0);
    int stlpec = 0;
    for (DruhDokladu d : VsetkyDoklady()) {
        auto* b = new QPushButton(nazovTlacidla(d), this);
        auto* pdf = new QPushButton(QStringLiteral("PDF"), this);
        auto* znacka = new QLabel(this);
        b->setAutoDefault(false);
        pdf->setAutoDefault(false);
        pdf->setToolTip(nazovTlacidla(d) + QStringLiteral(" ako PDF"));
        pdf->setMaximumWidth(pdf->fontMetrics().horizontalAdvance(pdf->text()) + 24);
        znacka->setFixedWidth(16);
        g->addWidget(znacka, 0, stlpec);
        g->addWidget(b, 0, stlpec + 1);
        g->addWidget(pdf, 0, stlpec + 2);
        stlpec += 3;
        tlacidla << b;
        tlacidlaPdf << pdf;
        znacky << znacka;
        connect(b, &QPushButton::clicked, this, [this, d] { Vytvor(d); });
        connect(pdf, &QPushButton::clicked, this, [this, d] { VytvorPdf(d); });
    }
    btnVsetky = new QPushButton(QStringLiteral("Všetky doklady"), this);
    btnVsetky->setAutoDefault(false);
    btnVsetky->setToolTip(QStringLiteral("Vyúčtovanie, faktúra, príjmový doklad a cestovný príkaz ako PDF a e-faktúra; "
                                         "uložia sa so záznamom"));
    g->addWidget(btnVsetky, 1, 1);
    connect(btnVsetky, &QPushButton::clicked, this, &DokladyPanel::VytvorVsetky);
    g->setColumnStretch(stlpec, 1);
    ObnovZnacky();
}

void DokladyPanel::Vytvor(DruhDokladu druh)
{
    VytvorDoklad(druh, m_zdroj(), [this](const QString& nazov) { return TKontrolaForm::Opytaj(this, nazov); });
    ObnovZnacky();
}

void DokladyPanel::VytvorPdf(DruhDokladu druh)
{
    // The PDF is one of the entry's documents: written beside the others, kept on OK.
    Cesty::vytvorJednuUroven(Cesty::tmpDoc());
    VytvorDokladDo(druh, m_zdroj(), QDir(Cesty::tmpDoc()).filePath(SuborPdf(druh)));
    ObnovZnacky();
}

void DokladyPanel::VytvorVsetky()
{
    PodkladyDokladu p = m_zdroj();
    p.datumVystavenia = PotvrdDatumVystavenia(p.datumVystavenia > 0 ? p.datumVystavenia : p.dnes);
    const VysledokVsetkych v = VytvorVsetkyDoklady(p, Cesty::tmpDoc(), [](const EFaktura& f) {
        return spravy().otazka(UlozenieEFaktury::TextPotvrdenia(f));
    });
    if (!v.chyby.isEmpty())
        spravy().upozornenie(v.chyby.join(u'\n'));
    for (const QString& pdf : v.pdf)
        Dokument::zobraz(pdf);
    ObnovZnacky();
}

void DokladyPanel::PridajDoRiadkuVsetkych(QPushButton* b)
{
    static_cast<QGridLayout*>(layout())->addWidget(b, 1, m_dalsiStlpec);
    m_dalsiStlpec += 3;
}

void DokladyPanel::ObnovZnacky()
{
    const QList<bool> z = ZnackyDokladov();
    for (int i = 0; i < znacky.size(); ++i) {
        znacky[i]->setText(z.value(i) ? QStringLiteral("✔") : QString());
        znacky[i]->setToolTip(z.value(i) ? QStringLiteral("Dokument existuje") : QString());
    }
}
