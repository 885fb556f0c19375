#include "PoleDatumu.h"

#include "PoleVyhladavania.h"
#include "widgets/TCalendarFrm.h"
#include "store/Datum.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

PoleDatumu::PoleDatumu(double datum, QWidget* rodic) : QWidget(rodic), m_hodnota(datum)
{
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    Edit = new QLineEdit(PoleVyhladavania::TextDatumu(datum), this);
    btnKalendar = new QPushButton(QStringLiteral("..."), this);
    btnKalendar->setFixedWidth(30);
    btnKalendar->setToolTip(QStringLiteral("Kalendár"));
    l->addWidget(Edit);
    l->addWidget(btnKalendar);
    connect(Edit, &QLineEdit::editingFinished, this, &PoleDatumu::Opusti);
    connect(btnKalendar, &QPushButton::clicked, this, &PoleDatumu::kalendar);
}

void PoleDatumu::Opusti()
{
    const auto d = PoleVyhladavania::Datum(Edit->text());
    if (!d) {
        Edit->clear();
        m_hodnota = 0.0;
        return;
    }
    m_hodnota = *d;
}

void PoleDatumu::kalendar()
{
    const QDate od = m_hodnota != 0.0 ? DatumNaQDate(m_hodnota) : QDate::currentDate();
    if (const auto d = TCalendarFrm::vyber(this, od)) {
        m_hodnota = QDateNaDatum(*d);
        Edit->setText(DatumText(m_hodnota));
    }
}
