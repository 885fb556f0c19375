// Znalecký kevrot: the program entry.

#include "journal/TStartForm.h"
#include "journal/TZnalecKevrotForm.h"
#include "journal/ZamokAplikacie.h"
#include "migration/Zaloha.h"
#include "store/Cesty.h"
#include "store/SpravyQt.h"
#include "store/Subory.h"
#include "widgets/PrvaKresbaTabulky.h"
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
    QApplication app(argc, argv);
    NacitajPrekladQt();
    KolieskoLenSFokusom::Zapni();
    KlavesnicaOkien::Zapni();
    const QString appDir = QCoreApplication::applicationDirPath();
    Cesty::nastavAppDir(appDir);
    QDir::setCurrent(appDir);
    QApplication::setWindowIcon(QIcon(QDir(appDir).filePath(QStringLiteral("ZnaleckyKevrot.svg"))));

    SpravyQt sluzba;
    nastavSpravy(&sluzba);

    ZamokAplikacie zamok(appDir);
    if (!zamok.ziskaj()) {
        sluzba.chyba(ZamokAplikacie::textInaKopiaBezi(appDir));
        return 1;
    }

    QStringList argumenty = QCoreApplication::arguments();
    argumenty.removeFirst();
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
    QTimer::singleShot(1000, &okno, [appDir] { Subory::zmazZvyskyUkladania(appDir); });
    const int vysledok = app.exec();
    // The day's changes are backed up while this copy still holds the lock.
    if (!meranieStartu && Zaloha::JePotrebna())
        Zaloha::Vytvor();
    nastavSpravy(nullptr);
    return vysledok;
}
