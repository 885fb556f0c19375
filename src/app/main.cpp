// Znalecký kevrot: the program entry.

#include "app/PrvaKresbaTabulky.h"
#include "journal/TStartForm.h"
#include "journal/TZnalecKevrotForm.h"
#include "journal/ZamokAplikacie.h"
#include "migration/Zaloha.h"
#include "store/CasovePasmo.h"
#include "store/Cesty.h"
#include "store/DatovyAdresar.h"
#include "store/SpravyQt.h"
#include "store/Subory.h"
#include "store/ZmenaSuborov.h"
#include "store/ZdielaneSubory.h"
#include "widgets/KlavesnicaOkien.h"
#include "widgets/KolieskoLenSFokusom.h"
#include "widgets/PrekladQt.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>

#include <optional>

int main(int argc, char* argv[])
{
    CasovePasmoRaz();
    QApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(KEVROT_VERZIA));
    NacitajPrekladQt();
    KolieskoLenSFokusom::Zapni();
    KlavesnicaOkien::Zapni();
    SpravyQt sluzba;
    nastavSpravy(&sluzba);

    QStringList argumenty = QCoreApplication::arguments();
    argumenty.removeFirst();
    QString prepinac;
    if (!DatovyAdresar::VyberPrepinac(argumenty, &prepinac)) {
        sluzba.chyba(QStringLiteral("Chýba adresár za --appdir."));
        return 2;
    }
    const QString adresarProgramu = QCoreApplication::applicationDirPath();
    ZdielaneSubory::nastavAdresar(ZdielaneSubory::AdresarPreProgram(adresarProgramu));
    const DatovyAdresar::Volba volba = DatovyAdresar::Zvol(DatovyAdresar::ZProstredia(prepinac, adresarProgramu));
    if (const QString chyba = DatovyAdresar::Priprav(volba); !chyba.isEmpty()) {
        sluzba.chyba(chyba);
        return 2;
    }
    const QString appDir = volba.adresar;
    Cesty::nastavAppDir(appDir);
    QDir::setCurrent(appDir);
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("znalecky-kevrot"),
                                                 QIcon(ZdielaneSubory::subor(QStringLiteral("ZnaleckyKevrot.svg")))));

    ZamokAplikacie zamok(appDir);
    if (!zamok.ziskaj()) {
        const QString chyba = zamok.textChyby();
        sluzba.chyba(chyba.isEmpty() ? ZamokAplikacie::textInaKopiaBezi(appDir) : chyba);
        return 1;
    }
    // A restore or transfer cut short is finished before anything is read.
    if (const auto sprava = ZmenaSuborov::DokonciPrerusenu())
        sluzba.informacia(*sprava);
    // A new data directory gets the shipped code lists and texts; nothing is replaced.
    ZdielaneSubory::DoplnDatovyAdresar();

    // For the start-up benchmark: no splash pauses, and the program ends once the journal
    // has been painted with its entries.
    const bool meranieStartu = argumenty.removeAll(QStringLiteral("--zmeraj-start")) > 0;
    std::optional<PrvaKresbaTabulky> koniecMerania;
    if (meranieStartu) {
        TStartForm::Pauza = 0;
        koniecMerania.emplace(1, [] { QCoreApplication::exit(0); });
    }
    TZnalecKevrotForm okno(argumenty);
    sluzba.nastavRodica(&okno);
    okno.showMaximized();
    if (!meranieStartu)
        QTimer::singleShot(0, &okno, &TZnalecKevrotForm::PrvySpustenie);
    // What saves cut short by a crash left behind, once the journal is shown: no other copy
    // saves while we hold the lock, and our own saves never span an event.
    QTimer::singleShot(1000, &okno, [] { Zaloha::PoStarte(); });
    const int vysledok = app.exec();
    // The day's changes are backed up while this copy still holds the lock.
    if (!meranieStartu && Zaloha::JePotrebna())
        ohlas(Zaloha::Vytvor().vysledok());
    nastavSpravy(nullptr);
    return vysledok;
}
