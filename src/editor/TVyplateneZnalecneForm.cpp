#include "TVyplateneZnalecneForm.h"

#include "settings/TlacidlaDialogu.h"

#include "widgets/TCalendarFrm.h"
#include "editor/VstupPoli.h"
#include "store/Datum.h"
#include "store/Spravy.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TVyplateneZnalecneForm::TVyplateneZnalecneForm(double datum, double suma, double celkovaSuma,
                                               int skupina, QWidget* rodic)
    : QDialog(rodic), m_datum(datum), m_suma(suma), m_celkovaSuma(celkovaSuma)
{
    setWindowTitle(skupina == 6 || skupina == 7 ? QStringLiteral("Vyplatené tlmočné")
                                                : QStringLiteral("Vyplatené znalečné"));
    SumaEdit = new QLineEdit(VstupPoli::CisloDoPola(suma), this);
    DatumEdit = new QLineEdit(datum == 0 ? QString() : DatumText(datum), this);
    btnKalendar = new QToolButton(this);
    btnKalendar->setText(QStringLiteral("…"));
    btnKalendar->setToolTip(QStringLiteral("Kalendár"));
    btnDnes = new QPushButton(QStringLiteral("Dnes"), this);
    CelaSumaCheck = new QCheckBox(QStringLiteral("celá suma"), this);
    btnDnes->setAutoDefault(false);

    auto* mriezka = new QGridLayout;
    mriezka->addWidget(new QLabel(QStringLiteral("Suma:"), this), 0, 0);
    mriezka->addWidget(SumaEdit, 0, 1);
    mriezka->addWidget(CelaSumaCheck, 0, 2, 1, 2);
    mriezka->addWidget(new QLabel(QStringLiteral("Dátum vyplatenia:"), this), 1, 0);
    mriezka->addWidget(DatumEdit, 1, 1);
    mriezka->addWidget(btnKalendar, 1, 2);
    mriezka->addWidget(btnDnes, 1, 3);
    auto* hlavny = new QVBoxLayout(this);
    hlavny->addLayout(mriezka);
    // Enter in a field closes nothing.
    const TlacidlaDialogu t = PridajTlacidla(this, hlavny, QStringLiteral("OK"), EnterDialogu::Nic);
    btnOK = t.ok;
    btnStorno = t.storno;

    connect(SumaEdit, &QLineEdit::editingFinished, this, &TVyplateneZnalecneForm::opustilSumu);
    connect(DatumEdit, &QLineEdit::editingFinished, this, &TVyplateneZnalecneForm::opustilDatum);
    connect(btnDnes, &QPushButton::clicked, this, [this] { nastavDatum(Dnes()); });
    connect(btnKalendar, &QToolButton::clicked, this, [this] {
        if (const auto d = TCalendarFrm::vyber(this, QDate::currentDate()))
            nastavDatum(QDateNaDatum(*d));
    });
    connect(CelaSumaCheck, &QCheckBox::toggled, this, [this](bool zapnute) {
        if (!zapnute)
            return;
        m_suma = m_celkovaSuma;
        SumaEdit->setText(VstupPoli::CisloDoPola(m_suma));
    });
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TVyplateneZnalecneForm::opustilSumu()
{
    if (const auto v = VstupPoli::Suma(SumaEdit->text())) {
        m_suma = *v;
    } else {
        SumaEdit->clear();
        SumaEdit->setFocus();
    }
}

void TVyplateneZnalecneForm::opustilDatum()
{
    const QString t = DatumEdit->text().trimmed();
    if (t.isEmpty()) {
        m_datum = 0;
        return;
    }
    const double d = TextNaDatum(t);
    if (d == 0) {
        spravy().chyba(QString::fromUtf8(VstupPoli::NeplatnaHodnotaBodka));
        m_datum = 0;
        DatumEdit->setFocus();
        return;
    }
    m_datum = d;
}

void TVyplateneZnalecneForm::nastavDatum(double d)
{
    m_datum = d;
    DatumEdit->setText(DatumText(d));
}
