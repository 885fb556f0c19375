#include "TOdmenyVydavkyPreddefTexty.h"

#include "settings/TlacidlaDialogu.h"

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
    auto* l = new QVBoxLayout(this);
    l->addLayout(g);
    const TlacidlaDialogu t = PridajTlacidla(this, l);
    btnOK = t.ok;
    btnStorno = t.storno;
    connect(btnOK, &QPushButton::clicked, this, &TOdmenyVydavkyPreddefTexty::Potvrd);
}

void TOdmenyVydavkyPreddefTexty::Potvrd()
{
    QStringList texty;
    for (auto* p : std::as_const(polia))
        texty << p->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
    m_texty.NastavHlavicky(texty);
    accept();
}
