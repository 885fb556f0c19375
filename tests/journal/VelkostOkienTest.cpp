// Every window of the program fits a 1280 × 720 screen: its minimum size and the size it
// takes when shown. The table is checked against the window classes declared under src/.

#include "editor/TKontrolaForm.h"
#include "editor/TNastavSplatnostForm.h"
#include "editor/TVyplateneZnalecneForm.h"
#include "editor/DokladyPanel.h"
#include "editor/TZnalecKevrotEditForm.h"
#include "finance/TStavFinanciiForm.h"
#include "journal/KevrotPrikazy.h"
#include "journal/TStartForm.h"
#include "journal/TVyhladavanieKevrotForm.h"
#include "journal/TVyhladavanieObjednavkyForm.h"
#include "journal/TZnalecKevrotForm.h"
#include "migration/TObnovenieZalohyForm.h"
#include "migration/TTransferKevrotForm.h"
#include "migration/TTransferTextForm.h"
#include "migration/UvitanieUpgrade.h"
#include "orders/TObjednavatelEditForm.h"
#include "orders/TObjednavatelZoznamForm.h"
#include "orders/TObjednavkyForm.h"
#include "orders/TZnalecKevrotObjednavkaEditForm.h"
#include "remuneration/TNastavSadzbuPozemkyPodielovaOdmena.h"
#include "remuneration/TOdmenyVydavkyPreddefTexty.h"
#include "remuneration/TPodielovaOdmenaEditForm.h"
#include "remuneration/TStravneForm.h"
#include "remuneration/TVsetkyPolozkyForm.h"
#include "remuneration/TVydavkyEditForm.h"
#include "remuneration/TVydavkyForm.h"
#include "remuneration/TVydavkyIneEditForm.h"
#include "remuneration/TVydavkyPopisEditForm.h"
#include "remuneration/TVydavkyTarifEditForm.h"
#include "remuneration/TZmluvnaOdmenaForm.h"
#include "reports/TVypisKevrotForm.h"
#include "reports/TfrmPreview.h"
#include "settings/NastaveniaEFaktury.h"
#include "settings/TBankaForm.h"
#include "settings/TJazykForm.h"
#include "settings/TKodNazovForm.h"
#include "settings/TNajpouzivanejsiForm.h"
#include "settings/TNastaveniaEFakturyForm.h"
#include "settings/TOdborOdvetvieForm.h"
#include "settings/TVozidloEditForm.h"
#include "settings/TZapisaneJazykyForm.h"
#include "settings/TZapisaneOdboryForm.h"
#include "settings_window/TNastavenieForm.h"
#include "store/TChybyNacitaniaForm.h"
#include "widgets/RichEditForm.h"
#include "widgets/TCalendarFrm.h"
#include "widgets/TZoznamTextAddForm.h"
#include "widgets/TZoznamTextForm.h"

#include "common/TestAppDir.h"

#include <QCoreApplication>
#include <QDate>
#include <QDirIterator>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTabWidget>
#include <QSet>

#include <functional>
#include <memory>

namespace {
constexpr int MaxSirka = 1280;
constexpr int MaxVyska = 720;

class VelkostOkienTest : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        TStartForm::Pauza = 0;
        m_udaje.NacitajPriStarte(m_rok);
        m_udaje.zurnal.NacitajKevrot(m_rok);
    }

    using Vyroba = std::function<std::unique_ptr<QWidget>()>;
    // Every window class of the program and how to make one.
    QList<std::pair<QString, Vyroba>> okna();

    const int m_rok = QDate::currentDate().year();
    Udaje m_udaje;
    QList<TObjednavatel> m_klienti;
};

template <typename T, typename... A>
std::unique_ptr<QWidget> okno(A&&... a)
{
    return std::make_unique<T>(std::forward<A>(a)...);
}

QList<std::pair<QString, VelkostOkienTest::Vyroba>> VelkostOkienTest::okna()
{
    Udaje& u = m_udaje;
    const ZdrojeEditora zdroje{u.odbory,  u.jazyky,  u.nastavenia,                 u.objednavky, u.zurnal.ZaznamyKevrota,
                               u.polozky, u.vozidla, u.zurnal.UlozeneVyuctovania, u.preddefTexty};
    const CiselnikyNastavenia ciselniky{u.odbory, u.jazyky, u.preddefTexty};
    return {
        {"TZnalecKevrotForm", [] { return okno<TZnalecKevrotForm>(QStringList()); }},
        {"TStartForm", [] { return okno<TStartForm>(); }},
        {"TVyhladavanieKevrotForm", [] { return okno<TVyhladavanieKevrotForm>(TZnalKevrotFilter()); }},
        {"TVyhladavanieObjednavkyForm", [] { return okno<TVyhladavanieObjednavkyForm>(TObjednavkaFilter()); }},
        {"TZnalecKevrotEditForm", [=, this] { return okno<TZnalecKevrotEditForm>(KevrotPrikazy::NovyZaznam(m_udaje.zurnal, m_rok, 0), zdroje); }},
        {"TKontrolaForm", [] { return okno<TKontrolaForm>(QStringLiteral("Faktúra")); }},
        {"TNastavSplatnostForm", [] { return okno<TNastavSplatnostForm>(14); }},
        {"TVyplateneZnalecneForm", [] { return okno<TVyplateneZnalecneForm>(45000.0, 0.0, 150.0, 7); }},
        {"TStavFinanciiForm", [this] { return okno<TStavFinanciiForm>(m_udaje.zurnal, m_rok, PismoTabulky{}); }},
        {"TObjednavkyForm", [this] { return okno<TObjednavkyForm>(m_udaje.objednavky.ZoznamObjednavok); }},
        {"TZnalecKevrotObjednavkaEditForm", [this] { return okno<TZnalecKevrotObjednavkaEditForm>(TObjednavka(), m_udaje.objednavky); }},
        {"TObjednavatelZoznamForm", [this] { return okno<TObjednavatelZoznamForm>(m_klienti); }},
        {"TObjednavatelEditForm", [] { return okno<TObjednavatelEditForm>(); }},
        {"TVydavkyForm", [this] {
             return okno<TVydavkyForm>(UpravaVydavkov(), ZdrojeVydavkov{m_udaje.polozky, m_udaje.nastavenia, m_udaje.vozidla.ZoznamVozidiel,
                                                                       m_udaje.zurnal.UlozeneVyuctovania, {}});
         }},
        {"TVydavkyEditForm", [] { return okno<TVydavkyEditForm>(4, 1, nullptr); }},
        {"TVydavkyTarifEditForm", [] { return okno<TVydavkyTarifEditForm>(UpravaTarifu(1, 1, {}), nullptr); }},
        {"TVydavkyIneEditForm", [] { return okno<TVydavkyIneEditForm>(QStringLiteral("Poštovné"), QStringLiteral("ks"), 1.2, 3); }},
        {"TVydavkyPopisEditForm", [] { return okno<TVydavkyPopisEditForm>(1, TRozpisPolozky()); }},
        {"TZmluvnaOdmenaForm", [] { return okno<TZmluvnaOdmenaForm>(QStringLiteral("Odmena"), 100.0, 1); }},
        {"TPodielovaOdmenaEditForm", [this] { return okno<TPodielovaOdmenaEditForm>(QString(), 500.0, 3, 0.0, m_udaje.nastavenia); }},
        {"TNastavSadzbuPozemkyPodielovaOdmena", [] { return okno<TNastavSadzbuPozemkyPodielovaOdmena>(0.5); }},
        {"TOdmenyVydavkyPreddefTexty", [this] { return okno<TOdmenyVydavkyPreddefTexty>(m_udaje.preddefTexty); }},
        {"TVsetkyPolozkyForm", [this] { return okno<TVsetkyPolozkyForm>(m_udaje.zurnal.UlozeneVyuctovania); }},
        {"TStravneForm", [] { return okno<TStravneForm>(SadzbaStravneho{0, 6.8, 10.1, 15.3}); }},
        {"TVyvojStravnehoForm", [] { return okno<TVyvojStravnehoForm>(QList<SadzbaStravneho>{{0, 6.8, 10.1, 15.3}}); }},
        {"TNastavenieForm", [this, ciselniky] {
             return okno<TNastavenieForm>(HodnotyZNastaveni(m_udaje.nastavenia, m_udaje.vozidla.ZoznamVozidiel), ciselniky);
         }},
        {"TZapisaneOdboryForm", [this] { return okno<TZapisaneOdboryForm>(m_udaje.odbory, TZapisaneKody()); }},
        {"TZapisaneJazykyForm", [this] { return okno<TZapisaneJazykyForm>(m_udaje.jazyky, TZapisaneJazykyText()); }},
        {"TOdborOdvetvieForm", [this] { return okno<TOdborOdvetvieForm>(m_udaje.odbory); }},
        {"TJazykForm", [this] { return okno<TJazykForm>(m_udaje.jazyky); }},
        {"TKodNazovForm", [] { return okno<TKodNazovForm>(QStringLiteral("Pridanie nového odvetvia"), QString(), QString(), true); }},
        {"TNajpouzivanejsiForm", [] {
             return okno<TNajpouzivanejsiForm>(QStringLiteral("Výber"), QStringLiteral("Popis"), QStringLiteral("OK"),
                                               QStringList{QStringLiteral("a")}, 0);
         }},
        {"TBankaForm", [] { return okno<TBankaForm>(); }},
        {"TNastaveniaEFakturyForm", [] { return okno<TNastaveniaEFakturyForm>(NacitajNastaveniaEFaktury(), QString(), QString()); }},
        {"TVozidloEditForm", [] { return okno<TVozidloEditForm>(TVozidlo()); }},
        {"TVypisKevrotForm", [this] {
             return okno<TVypisKevrotForm>(m_udaje.nastavenia.Nastavenie, m_udaje.odbory, m_udaje.zurnal.ZaznamyKevrota, m_rok);
         }},
        {"TfrmPreview", [] { return okno<TfrmPreview>(); }},
        {"TUpgradeForm", [] { return okno<TUpgradeForm>(); }},
        {"TObnovenieZalohyForm", [] { return okno<TObnovenieZalohyForm>(); }},
        {"TTransferTextForm", [] { return okno<TTransferTextForm>(); }},
        {"TTransferKevrotForm", [] { return okno<TTransferKevrotForm>(StaraVerzia::V54); }},
        {"TChybyNacitaniaForm", [] {
             return okno<TChybyNacitaniaForm>(QList<Spravy::Sprava>{{Spravy::Druh::Chyba, QStringLiteral("Problém")}});
         }},
        {"TCalendarFrm", [] { return okno<TCalendarFrm>(QDate(2024, 5, 1)); }},
        {"TZoznamTextForm", [] { return okno<TZoznamTextForm>(QStringList{QStringLiteral("a")}); }},
        {"TZoznamTextAddForm", [] { return okno<TZoznamTextAddForm>(); }},
        {"TRichEditForm", [] { return okno<TRichEditForm>(); }},
    };
}

// Window classes declared in the headers under src/: dialogs, main windows and widgets
// named as forms; bases that never open by themselves are left out.
QSet<QString> oknaVZdrojoch()
{
    static const QRegularExpression trieda(
        QStringLiteral(R"(^class\s+(\w+)\s*(?:final\s*)?:\s*public\s+(QDialog|QMainWindow|QWidget|ZoznamZapisanychForm)\b)"),
        QRegularExpression::MultilineOption);
    QSet<QString> mena;
    QDirIterator it(QStringLiteral(KEVROT_SOURCE_DIR "/src"), {QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(f.readAll());
        for (auto m = trieda.globalMatch(text); m.hasNext();) {
            const auto z = m.next();
            const QString meno = z.captured(1);
            if (z.captured(2) == QLatin1String("QWidget") && !meno.endsWith(QLatin1String("Form"))
                && meno != QLatin1String("TfrmPreview"))
                continue;
            mena.insert(meno);
        }
    }
    mena.remove(QStringLiteral("ZoznamZapisanychForm"));
    return mena;
}
}  // namespace

TEST_F(VelkostOkienTest, EveryWindowFitsA1280x720Screen)
{
    const auto zoznam = okna();
    QSet<QString> vTabulke;
    for (const auto& [meno, vyroba] : zoznam) {
        SCOPED_TRACE(meno.toStdString());
        vTabulke.insert(meno);
        std::unique_ptr<QWidget> w = vyroba();
        const QSize minimum = w->minimumSizeHint().expandedTo(w->minimumSize());
        EXPECT_LE(minimum.width(), MaxSirka) << "minimum " << minimum.width() << "x" << minimum.height();
        EXPECT_LE(minimum.height(), MaxVyska) << "minimum " << minimum.width() << "x" << minimum.height();
        w->adjustSize();
        w->show();
        QCoreApplication::processEvents();
        const QSize s = w->frameGeometry().size();
        EXPECT_LE(s.width(), MaxSirka) << "shown " << s.width() << "x" << s.height();
        EXPECT_LE(s.height(), MaxVyska) << "shown " << s.width() << "x" << s.height();
        w->close();
    }
    EXPECT_EQ(vTabulke.size(), zoznam.size()) << "a window twice in the table";
    const QSet<QString> vZdrojoch = oknaVZdrojoch();
    for (const QString& m : vZdrojoch - vTabulke)
        ADD_FAILURE() << "window class missing from the table: " << m.toStdString();
    for (const QString& m : vTabulke - vZdrojoch)
        ADD_FAILURE() << "no such window class under src: " << m.toStdString();
}

// On a 1280 × 800 screen, and on a 1920 × 1080 one at a scale factor of 1,5 (less the title
// bar and a panel), the document buttons of the tab "Vyúčtovanie" show without scrolling.
// Sizes are logical pixels; CTest runs this program once more with QT_SCALE_FACTOR=1.5.
TEST_F(VelkostOkienTest, EntryEditorShowsTheDocumentButtonsOnLowScreens)
{
    struct Obrazovka {
        int sirka, vyska;
        double mierka;
    };
    const ZdrojeEditora zdroje{m_udaje.odbory,   m_udaje.jazyky,   m_udaje.nastavenia,
                               m_udaje.objednavky, m_udaje.zurnal.ZaznamyKevrota, m_udaje.polozky,
                               m_udaje.vozidla,  m_udaje.zurnal.UlozeneVyuctovania, m_udaje.preddefTexty};
    for (const Obrazovka& o : {Obrazovka{1280, 800, 1.0}, Obrazovka{1920, 1080, 1.5}}) {
        SCOPED_TRACE(QStringLiteral("%1 x %2 at %3").arg(o.sirka).arg(o.vyska).arg(o.mierka).toStdString());
        TZnalecKevrotEditForm e(KevrotPrikazy::NovyZaznam(m_udaje.zurnal, m_rok, 0), zdroje);
        e.show();
        e.resize(qMin(e.sizeHint().width(), int(o.sirka / o.mierka) - 16), int(o.vyska / o.mierka) - 60);
        e.Zalozky->setCurrentIndex(2);
        ASSERT_EQ(e.Zalozky->tabText(2).remove(u'&'), QStringLiteral("Vyúčtovanie"));
        QCoreApplication::processEvents();
        const QList<QPushButton*> tlacidla = QList<QPushButton*>{e.btnEFaktura, e.btnDobropis, e.panelDokladov->btnVsetky}
                                             + e.panelDokladov->tlacidla;
        for (QPushButton* b : tlacidla) {
            SCOPED_TRACE(b->text().toStdString());
            QWidget* w = b;
            while (w && !qobject_cast<QScrollArea*>(w))
                w = w->parentWidget();
            ASSERT_NE(w, nullptr);
            const QWidget* okno = static_cast<QScrollArea*>(w)->viewport();
            const QRect r(b->mapTo(okno, QPoint(0, 0)), b->size());
            EXPECT_TRUE(okno->rect().contains(r)) << r.x() << ".." << r.right() << " x " << r.y() << ".." << r.bottom() << " of " << okno->width() << "x" << okno->height();
        }
    }
}
