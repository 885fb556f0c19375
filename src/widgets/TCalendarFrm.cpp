#include "TCalendarFrm.h"

#include "settings/TlacidlaDialogu.h"

#include <QCalendarWidget>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCharFormat>
#include <QVBoxLayout>

TCalendarFrm::TCalendarFrm(const QDate& pociatocny, QWidget* rodic) : QDialog(rodic)
{
    setWindowTitle(QStringLiteral("Kalendár"));
    Kalendar = new QCalendarWidget(this);
    Kalendar->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    Kalendar->setGridVisible(true);
    Kalendar->setFirstDayOfWeek(Qt::Monday);
    Kalendar->setLocale(QLocale(QLocale::Slovak, QLocale::Slovakia));

    DenEdit = new QLineEdit(this);
    MesiacEdit = new QLineEdit(this);
    RokEdit = new QLineEdit(this);
    for (auto* e : {DenEdit, MesiacEdit, RokEdit})
        e->setMaximumWidth(70);

    auto* casti = new QHBoxLayout;
    casti->addWidget(new QLabel(QStringLiteral("Deň:"), this));
    casti->addWidget(DenEdit);
    casti->addWidget(new QLabel(QStringLiteral("Mesiac:"), this));
    casti->addWidget(MesiacEdit);
    casti->addWidget(new QLabel(QStringLiteral("Rok:"), this));
    casti->addWidget(RokEdit);
    casti->addStretch();

    // Enter in an edit applies that edit; it must not close the dialog.
    const TlacidlaDialogu t = VytvorTlacidla(this, QStringLiteral("Ok"), EnterDialogu::Nic);
    btnOk = t.ok;
    btnStorno = t.storno;

    auto* hlavny = new QVBoxLayout(this);
    hlavny->addWidget(Kalendar);
    hlavny->addLayout(casti);
    hlavny->addWidget(t.riadok);

    Kalendar->setSelectedDate(pociatocny.isValid() ? pociatocny : QDate::currentDate());
    ukazCasti();

    connect(Kalendar, &QCalendarWidget::clicked, this, [this] { ukazCasti(); });
    connect(Kalendar, &QCalendarWidget::activated, this, [this] { ukazCasti(); });
    connect(DenEdit, &QLineEdit::editingFinished, this, [this] { pouziEdit(DenEdit, CastDatumu::Den); });
    connect(MesiacEdit, &QLineEdit::editingFinished, this,
            [this] { pouziEdit(MesiacEdit, CastDatumu::Mesiac); });
    connect(RokEdit, &QLineEdit::editingFinished, this, [this] { pouziEdit(RokEdit, CastDatumu::Rok); });
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
}

QDate TCalendarFrm::datum() const { return Kalendar->selectedDate(); }

std::optional<QDate> TCalendarFrm::vyber(QWidget* rodic, const QDate& pociatocny)
{
    TCalendarFrm okno(pociatocny, rodic);
    if (okno.exec() != QDialog::Accepted)
        return std::nullopt;
    return okno.datum();
}

void TCalendarFrm::ukazCasti()
{
    const QDate d = Kalendar->selectedDate();
    DenEdit->setText(QString::number(d.day()));
    MesiacEdit->setText(QString::number(d.month()));
    RokEdit->setText(QString::number(d.year()));
}

void TCalendarFrm::pouziEdit(QLineEdit* edit, CastDatumu cast)
{
    if (const auto novy = PouziCastDatumu(Kalendar->selectedDate(), cast, edit->text())) {
        Kalendar->setSelectedDate(*novy);
        Kalendar->setFocus();
    } else {
        DenEdit->setFocus();
    }
}
