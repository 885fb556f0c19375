#include "UvitanieUpgrade.h"

#include "PrenosKevrota.h"
#include "TObnovenieZalohyForm.h"
#include "TTransferKevrotForm.h"
#include "settings/TlacidlaDialogu.h"
#include "store/Cesty.h"
#include "store/Subory.h"

#include <QDate>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char* const ZnackaPonuky = "\\Data\\upgrade_ponuknuty.txt";
}

TUpgradeForm::TUpgradeForm(QWidget* rodic) : QDialog(rodic)
{
    setWindowTitle(QStringLiteral("Upgrade programu"));
    auto* l = new QVBoxLayout(this);
    auto* titul = new QLabel(QStringLiteral("Znalecký kevrot 5.5"), this);
    QFont f = titul->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    titul->setFont(f);
    l->addWidget(titul);
    l->addWidget(new QLabel(QStringLiteral("Vitajte v programe Znalecký kevrot 5.5."), this));
    l->addWidget(new QLabel(
        QStringLiteral("Prajete si preniesť nastavenia a preddefinované texty z minulej verzie Znalecký kevrot 5.4?"), this));
    const TlacidlaDialogu t = PridajTlacidla(this, l, QStringLiteral("Áno"));
    btnAno = t.ok;
    btnStorno = t.storno;
    connect(btnAno, &QPushButton::clicked, this, &QDialog::accept);
}

bool PonukniUpgrade()
{
    const QString znacka = Cesty::cesta(QString::fromLatin1(ZnackaPonuky));
    if (QFileInfo::exists(znacka) || !NajdenaStaraInstalacia())
        return false;
    // A mark that cannot be written only brings the offer again at the next start.
    (void)Subory::ulozAtomicky(znacka, QDate::currentDate().toString(Qt::ISODate).toLatin1());
    return true;
}

void UvitanieUpgrade(QWidget* rodic)
{
    if (!PonukniUpgrade())
        return;
    TUpgradeForm f(rodic);
    if (f.exec() != QDialog::Accepted)
        return;
    TTransferKevrotForm t(StaraVerzia::V54, rodic);
    t.exec();
    if (t.zmenene())
        UkonciPoZmeneUdajov(TextPrenesene);
}
