#include "TOdmenyVydavkyPreddefTexty.h"

#include "PreddefinovaneTexty.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TOdmenyVydavkyPreddefTexty::TOdmenyVydavkyPreddefTexty(PreddefinovaneTexty& texty, QWidget* rodic)
    : QDialog(rodic), m_texty(texty)
{
    setWindowTitle(QStringLiteral("Nastavenie preddefinovaných textov pre odmeny a výdavky"));
    auto* g = new QGridLayout;
    const auto& druhy = PreddefinovaneTexty::DruhyHlaviciek();
    for (int i = 0; i < druhy.size(); ++i) {
        auto* pole = new QPlainTextEdit(this);
        // CR LF on disk, line feeds in the box.
        QString t = texty.HlavickaDruhu(druhy.at(i).druh);
        pole->setPlainText(t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        pole->setFixedHeight(56);
        pole->setMinimumWidth(360);
        polia << pole;
        auto* l = new QVBoxLayout;
        l->addWidget(new QLabel(druhy.at(i).nazov, this));
        l->addWidget(pole);
        g->addLayout(l, i / 2, i % 2);
    }
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnStorno = new QPushButton(QStringLiteral("Storno"), this);
    btnStorno->setAutoDefault(false);
    auto* tlacidla = new QHBoxLayout;
    tlacidla->addStretch();
    tlacidla->addWidget(btnOK);
    tlacidla->addWidget(btnStorno);
    auto* l = new QVBoxLayout(this);
    l->addLayout(g);
    l->addLayout(tlacidla);
    connect(btnOK, &QPushButton::clicked, this, &TOdmenyVydavkyPreddefTexty::Potvrd);
    connect(btnStorno, &QPushButton::clicked, this, &QDialog::reject);
}

void TOdmenyVydavkyPreddefTexty::Potvrd()
{
    QStringList texty;
    for (auto* p : std::as_const(polia))
        texty << p->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
    m_texty.NastavHlavicky(texty);
    accept();
}
