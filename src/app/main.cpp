// Znalecký kevrot: the program entry.

#include "journal/TZnalecKevrotForm.h"
#include "journal/ZamokAplikacie.h"
#include "migration/Zaloha.h"
#include "store/Cesty.h"
#include "store/SpravyQt.h"
#include "store/Subory.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
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
    TZnalecKevrotForm okno(argumenty);
    sluzba.nastavRodica(&okno);
    okno.showMaximized();
    QTimer::singleShot(0, &okno, &TZnalecKevrotForm::PrvySpustenie);
    // What saves cut short by a crash left behind, once the journal is shown: no other copy
    // saves while we hold the lock, and our own saves never span an event.
    QTimer::singleShot(1000, &okno, [appDir] { Subory::zmazZvyskyUkladania(appDir); });
    const int vysledok = app.exec();
    // The day's changes are backed up while this copy still holds the lock.
    if (Zaloha::JePotrebna())
        Zaloha::Vytvor();
    nastavSpravy(nullptr);
    return vysledok;
}
