#include "TZnalecKevrotForm.h"

#include "DokumentyZalozka.h"
#include "KevrotZalozka.h"
#include "migration/TObnovenieZalohyForm.h"
#include "migration/TTransferKevrotForm.h"
#include "migration/TTransferTextForm.h"
#include "migration/UvitanieUpgrade.h"
#include "widgets/NedostupnaFunkcia.h"
#include "ObjednavkyZalozka.h"
#include "PrikazovyRiadok.h"
#include "TStartForm.h"
#include "store/Cesty.h"
#include "store/Spravy.h"
#include "store/ZdielaneSubory.h"
#include "settings_window/TNastavenieForm.h"

#include <QDate>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

TZnalecKevrotForm::TZnalecKevrotForm(const QStringList& argumenty, QWidget* rodic) : QMainWindow(rodic)
{
    setWindowTitle(QStringLiteral("Znalecký kevrot"));
    m_zberStartu.zacni();
    Zurnal::PripravPracovnyAdresar();
    m_nacitavanie = false;
    {
        TStartForm splash;
        splash.show();
        splash.NastavStav(QStringLiteral("Načítavam nastavenie programu..."));
        m_udaje.NacitajPriStarte(QDate::currentDate().year(), [&](const QString& s) {
            if (!s.isEmpty() && s != splash.stav())
                splash.NastavStav(s);
        });
        splash.close();
    }

    auto* stred = new QWidget(this);
    auto* l = new QVBoxLayout(stred);
    l->addWidget(vytvorHornyPanel());
    PageControl1 = new QTabWidget(stred);
    m_kevrot = new KevrotZalozka(m_udaje, m_nacitavanie, PageControl1);
    m_objednavky = new ObjednavkyZalozka(m_udaje, m_nacitavanie, PageControl1);
    m_dokumenty = new DokumentyZalozka(PageControl1);
    PageControl1->addTab(m_kevrot, QStringLiteral("Znalecký kevrot"));
    PageControl1->addTab(m_objednavky, QStringLiteral("Objednávky"));
    PageControl1->addTab(m_dokumenty, QStringLiteral("Dokumenty"));
    l->addWidget(PageControl1, 1);
    setCentralWidget(stred);
    vytvorMenu();

    // The orders of the current year were loaded with the rest.
    m_nacitavanie = true;
    m_objednavky->NastavRok(QDate::currentDate().year());
    m_nacitavanie = false;
    m_objednavky->tabulka().zoradenie().vynuluj();
    m_kevrot->tabulka().zoradenie().vynuluj();
    m_objednavky->tabulka().Obnov();

    if (OtvoritNaObjednavkach(argumenty))
        PageControl1->setCurrentWidget(m_objednavky);
    resize(1200, 760);
    m_zberStartu.skonci();
}

QWidget* TZnalecKevrotForm::vytvorHornyPanel()
{
    auto* panel = new QWidget(this);
    auto* l = new QHBoxLayout(panel);
    l->setContentsMargins(0, 0, 0, 0);
    btnZavriet = new QPushButton(QStringLiteral("Zavrieť program"), panel);
    btnNastavenie = new QPushButton(QStringLiteral("Nastavenie kevrota"), panel);
    btnKopirovanie = new QPushButton(QStringLiteral("Kopírovanie"), panel);
    btnKopirovanie->setCheckable(true);
    l->addWidget(btnZavriet);
    l->addWidget(btnNastavenie);
    l->addWidget(btnKopirovanie);
    l->addStretch();
    connect(btnZavriet, &QPushButton::clicked, this, &TZnalecKevrotForm::ZavrietProgram);
    connect(btnKopirovanie, &QPushButton::clicked, this, &TZnalecKevrotForm::prepniKopirovanie);
    connect(btnNastavenie, &QPushButton::clicked, this, &TZnalecKevrotForm::Nastavenie);
    return panel;
}

QString TextOPrograme()
{
    return QStringLiteral("Znalecký kevrot %1\n\nÚdaje: %2\nProgramové súbory: %3")
        .arg(QCoreApplication::applicationVersion(), QDir::toNativeSeparators(Cesty::AppDir()),
             QDir::toNativeSeparators(ZdielaneSubory::Adresar()));
}

void TZnalecKevrotForm::vytvorMenu()
{
    menuAktualizacia = menuBar()->addMenu(QStringLiteral("Aktualizácia"));
    connect(menuAktualizacia->addAction(QStringLiteral("Prenesenie nastavenia znaleckého kevrota z Morvane 4.3 Office")),
            &QAction::triggered, this, [this] {
                TTransferTextForm f(this);
                f.exec();
                if (f.zmenene())
                    UkonciPoZmeneUdajov(TextTextyPrenesene);
            });
    menuAktualizacia->addSeparator();
    for (auto v : {StaraVerzia::V50, StaraVerzia::V52, StaraVerzia::V53, StaraVerzia::V54})
        connect(menuAktualizacia->addAction(QStringLiteral("Prenesenie dát z programu Znalecký kevrot ") + TextVerzie(v)),
                &QAction::triggered, this, [this, v] {
                    TTransferKevrotForm f(v, this);
                    f.exec();
                    if (f.zmenene())
                        UkonciPoZmeneUdajov(TextPrenesene);
                });
    menuAktualizacia->addSeparator();
    connect(menuAktualizacia->addAction(QStringLiteral("Obnovenie zo zálohy")), &QAction::triggered, this,
            [this] { ObnovenieZoZalohy(this); });
    QMenu* pomocnik = menuBar()->addMenu(QStringLiteral("Pomocník"));
    connect(pomocnik->addAction(QStringLiteral("O programe")), &QAction::triggered, this, [this] {
        QMessageBox::about(this, QStringLiteral("O programe"), TextOPrograme());
    });
}

void TZnalecKevrotForm::prepniKopirovanie()
{
    m_kevrot->PrepniKopirovanie();
    btnKopirovanie->setChecked(m_kevrot->kopirovanie().zapnuty());
}

bool TZnalecKevrotForm::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && !m_aktivovany)
        PrvaAktivacia();
    return QMainWindow::event(e);
}

void TZnalecKevrotForm::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!m_aktivovany)
        QTimer::singleShot(0, this, &TZnalecKevrotForm::PrvaAktivacia);
}

void TZnalecKevrotForm::PrvaAktivacia()
{
    if (m_aktivovany)
        return;
    m_aktivovany = true;
    m_zberStartu.zacni();
    m_nacitavanie = true;
    const int rok = QDate::currentDate().year();
    m_kevrot->NastavRok(rok);
    m_objednavky->NastavRok(rok);
    m_udaje.zurnal.NacitajKevrot(rok);
    m_kevrot->tabulka().NastavRok(rok);
    m_nacitavanie = false;
    m_kevrot->ObnovStavStlpcov(m_udaje.nastavenia.NastavenieManazer.StlpceKevrota);
    m_objednavky->ObnovStavStlpcov(m_udaje.nastavenia.NastavenieManazer.StlpceObjednavok);
    setWindowTitle(QStringLiteral("Znalecký kevrot"));
    m_zberStartu.skonci();
    m_zberStartu.odovzdaj();
    UvitanieUpgrade(this);
    m_startHotovy = true;
    if (m_prvySpustenieCaka) {
        m_prvySpustenieCaka = false;
        PrvySpustenie();
    }
}

void TZnalecKevrotForm::Nastavenie()
{
    if (!SpustiNastavenie(this, m_udaje.nastavenia, m_udaje.vozidla,
                          {m_udaje.odbory, m_udaje.jazyky, m_udaje.preddefTexty}))
        return;
    // Amounts follow the dual display switch.
    m_kevrot->tabulka().Obnov();
}

void TZnalecKevrotForm::PrvySpustenie()
{
    // Not over the start-up's own windows: it runs once they are closed.
    if (!m_startHotovy) {
        m_prvySpustenieCaka = true;
        return;
    }
    if (!QFileInfo::exists(Nastavenia::SuborNastavenia()))
        Nastavenie();
}

bool TZnalecKevrotForm::UlozStavStlpcov()
{
    m_udaje.nastavenia.NastavenieManazer.StlpceKevrota = m_kevrot->StavStlpcovText();
    m_udaje.nastavenia.NastavenieManazer.StlpceObjednavok = m_objednavky->StavStlpcovText();
    return ohlas(m_udaje.nastavenia.UlozNastavenieManazer());
}

void TZnalecKevrotForm::ZavrietProgram()
{
    UlozStavStlpcov();
    close();
}
