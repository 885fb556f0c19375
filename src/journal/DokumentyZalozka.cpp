#include "DokumentyZalozka.h"

#include <QEvent>
#include <QMouseEvent>
#include <QScrollArea>
#include <QVBoxLayout>

OdkazDokumentu::OdkazDokumentu(const PravnyDokument& dokument, QWidget* rodic)
    : QLabel(dokument.text, rodic), m_dokument(dokument)
{
    setWordWrap(true);
    setCursor(Qt::PointingHandCursor);
    Zvyrazni(false);
}

void OdkazDokumentu::Zvyrazni(bool zvyraznit)
{
    m_zvyrazneny = zvyraznit;
    QFont f = font();
    f.setUnderline(zvyraznit);
    setFont(f);
    setStyleSheet(zvyraznit ? QStringLiteral("color: blue;") : QStringLiteral("color: black;"));
}

void OdkazDokumentu::enterEvent(QEnterEvent* e)
{
    emit najazdene(this);
    Zvyrazni(true);
    QLabel::enterEvent(e);
}

void OdkazDokumentu::mouseReleaseEvent(QMouseEvent* e)
{
    if (rect().contains(e->position().toPoint()))
        OtvorDokument(m_dokument);
    QLabel::mouseReleaseEvent(e);
}

DokumentyZalozka::DokumentyZalozka(QWidget* rodic) : QWidget(rodic)
{
    auto* vonkajsi = new QVBoxLayout(this);
    auto* plocha = new QScrollArea(this);
    plocha->setWidgetResizable(true);
    plocha->setFrameShape(QFrame::NoFrame);
    auto* obsah = new QWidget(plocha);
    obsah->setObjectName(QStringLiteral("DokumentyObsah"));
    obsah->setStyleSheet(QStringLiteral("#DokumentyObsah { background: white; }"));
    auto* l = new QVBoxLayout(obsah);
    l->setSpacing(10);
    for (const auto& d : PravneDokumenty()) {
        auto* o = new OdkazDokumentu(d, obsah);
        m_odkazy.append(o);
        connect(o, &OdkazDokumentu::najazdene, this, [this](OdkazDokumentu* x) { ZrusZvyraznenie(x); });
        l->addWidget(o);
    }
    l->addStretch();
    plocha->setWidget(obsah);
    vonkajsi->addWidget(plocha);
    // The pointer over the empty part of the tab shows every line plain again.
    obsah->setMouseTracking(true);
    obsah->installEventFilter(this);
}

void DokumentyZalozka::ZrusZvyraznenie(OdkazDokumentu* okrem)
{
    for (auto* o : m_odkazy)
        if (o != okrem && o->zvyrazneny())
            o->Zvyrazni(false);
}

bool DokumentyZalozka::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter)
        ZrusZvyraznenie();
    return QWidget::eventFilter(o, e);
}
