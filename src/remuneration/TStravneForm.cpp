#include "TStravneForm.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TStravneForm::TStravneForm(const SadzbaStravneho& sadzby, QWidget* rodic) : QDialog(rodic)
{
    setWindowTitle(QStringLiteral("Stravné"));
    auto* l = new QVBoxLayout(this);
    for (const TlacidloStravneho& t : TlacidlaStravneho(sadzby)) {
        auto* b = new QPushButton(t.text, this);
        b->setAutoDefault(false);
        const double suma = t.suma;
        connect(b, &QPushButton::clicked, this, [this, suma] {
            m_suma = suma;
            accept();
        });
        Tlacidla.append(b);
        l->addWidget(b);
    }
}

std::optional<double> TStravneForm::vyber(QWidget* rodic, const SadzbaStravneho& sadzby)
{
    TStravneForm d(sadzby, rodic);
    d.exec();
    return d.suma();
}

TVyvojStravnehoForm::TVyvojStravnehoForm(const QList<SadzbaStravneho>& obdobia, QWidget* rodic) : QDialog(rodic)
{
    setWindowTitle(QStringLiteral("Stravné"));
    const QList<QStringList> riadky = VyvojStravneho(obdobia);
    StringGrid1 = new QTableWidget(riadky.size() + 2, 4, this);
    StringGrid1->horizontalHeader()->setVisible(false);
    StringGrid1->verticalHeader()->setVisible(false);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    auto bunka = [this](int r, int s, const QString& text, bool hlavicka) {
        auto* i = new QTableWidgetItem(text);
        i->setBackground(hlavicka ? QColor(Qt::lightGray) : QColor(Qt::white));
        QFont f = i->font();
        f.setBold(!hlavicka);
        i->setFont(f);
        i->setTextAlignment(hlavicka ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
        StringGrid1->setItem(r, s, i);
    };
    bunka(0, 0, {}, true);
    bunka(0, 1, QStringLiteral("časové pásmo"), true);
    StringGrid1->setSpan(0, 1, 1, 3);
    const QStringList hlavicka = {QStringLiteral("platnosť od"), QStringLiteral("5 až 12 hod"),
                                  QStringLiteral("nad 12 hod až 18 hod"), QStringLiteral("nad 18 hod")};
    for (int s = 0; s < 4; ++s)
        bunka(1, s, hlavicka[s], true);
    for (int r = 0; r < riadky.size(); ++r)
        for (int s = 0; s < 4; ++s)
            bunka(r + 2, s, riadky[r][s], s == 0);
    StringGrid1->resizeColumnsToContents();
    auto* l = new QVBoxLayout(this);
    l->addWidget(StringGrid1);
    int sirka = 2 * StringGrid1->frameWidth() + 24;
    for (int s = 0; s < 4; ++s)
        sirka += StringGrid1->columnWidth(s);
    const int vyska = 2 * StringGrid1->frameWidth() + StringGrid1->rowCount() * StringGrid1->rowHeight(0);
    resize(sirka, std::min(vyska, 600) + 24);
}
