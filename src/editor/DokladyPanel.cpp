#include "DokladyPanel.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "editor/TKontrolaForm.h"
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
    const QString navrh = QDir(Cesty::tmpDoc()).filePath(QFileInfo(SuborDokladu(druh)).completeBaseName() + QStringLiteral(".pdf"));
    const QString cesta = spravy().vyberSuborNaUlozenie(QStringLiteral("Uložiť PDF"), navrh, QStringLiteral("PDF (*.pdf)"));
    if (cesta.isEmpty())
        return;
    VytvorDokladDo(druh, m_zdroj(), cesta.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ? cesta : cesta + QStringLiteral(".pdf"));
    ObnovZnacky();
}

void DokladyPanel::ObnovZnacky()
{
    const QList<bool> z = ZnackyDokladov();
    for (int i = 0; i < znacky.size(); ++i) {
        znacky[i]->setText(z.value(i) ? QStringLiteral("✔") : QString());
        znacky[i]->setToolTip(z.value(i) ? QStringLiteral("Dokument existuje") : QString());
    }
}
