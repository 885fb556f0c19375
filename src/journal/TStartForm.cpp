#include "TStartForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QLabel>
#include <QScreen>
#include <QThread>
#include <QVBoxLayout>

TStartForm::TStartForm(QWidget* rodic) : QWidget(rodic, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("StartForm"));
    setStyleSheet(QStringLiteral("#StartForm { background: #f4f1e8; border: 2px solid #6b5a3a; }"));
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(40, 30, 40, 20);
    lblNazov = new QLabel(QStringLiteral("Znalecký kevrot"), this);
    QFont f = lblNazov->font();
    f.setPointSize(24);
    f.setBold(true);
    lblNazov->setFont(f);
    lblVerzia = new QLabel(QStringLiteral("verzia 5.5"), this);
    lblStav = new QLabel(this);
    for (QLabel* x : {lblNazov, lblVerzia, lblStav})
        x->setAlignment(Qt::AlignCenter);
    l->addWidget(lblNazov);
    l->addWidget(lblVerzia);
    l->addStretch();
    l->addWidget(lblStav);
    resize(420, 200);
    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

void TStartForm::NastavStav(const QString& text)
{
    lblStav->setText(text);
    repaint();
    QApplication::processEvents();
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < Pauza) {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 50);
        QThread::msleep(10);
    }
}

QString TStartForm::stav() const { return lblStav->text(); }
