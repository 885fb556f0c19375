#include "ZamokAplikacie.h"

#include "store/Subory.h"
#include "store/VolneMiesto.h"

#include <QDir>
#include <QFileInfo>

ZamokAplikacie::ZamokAplikacie(const QString& appDir)
    : m_subor(QDir(appDir).filePath(QString::fromLatin1(NazovSuboru))),
      m_zamok(std::make_unique<QLockFile>(m_subor))
{
    // The program runs for hours: a lock is stale only when its process is gone, never
    // because of its age.
    m_zamok->setStaleLockTime(0);
}

bool ZamokAplikacie::ziskaj()
{
    if (m_zamok->isLocked())
        return true;
    if (m_zamok->tryLock(0))
        return true;
    // tryLock removes a stale lock itself; one more attempt covers a lock whose owner
    // ended between the check and the removal.
    if (m_zamok->error() == QLockFile::LockFailedError && m_zamok->removeStaleLockFile())
        return m_zamok->tryLock(0);
    return false;
}

bool ZamokAplikacie::jeZiskany() const { return m_zamok->isLocked(); }

QString ZamokAplikacie::textInaKopiaBezi(const QString& appDir)
{
    return QStringLiteral("Program Znalecký kevrot je už spustený z adresára %1.\n"
                          "Dve spustené kópie by si navzájom prepisovali uložené údaje, "
                          "preto sa táto kópia ukončí.")
        .arg(QDir::toNativeSeparators(appDir));
}

QString ZamokAplikacie::drzitel(const QString& appDir)
{
    qint64 pid = 0;
    QString pocitac, program;
    QLockFile f(QDir(appDir).filePath(QString::fromLatin1(NazovSuboru)));
    if (!f.getLockInfo(&pid, &pocitac, &program))
        return {};
    QString t = QStringLiteral("proces %1").arg(pid);
    if (!program.isEmpty())
        t += QStringLiteral(" (%1)").arg(program);
    if (!pocitac.isEmpty())
        t += QStringLiteral(" na počítači %1").arg(pocitac);
    return t;
}

QString ZamokAplikacie::textZapisZamknuty(const QString& appDir, const QString& prikaz)
{
    QString kto = drzitel(appDir);
    if (kto.isEmpty())
        kto = QStringLiteral("iný proces");
    return QStringLiteral("Údaje v adresári %1 má otvorené %2.\n"
                          "Príkaz %3 by ich zapisoval, preto sa nevykonal. "
                          "Zavrite program a príkaz zopakujte.")
        .arg(QDir::toNativeSeparators(appDir), kto, prikaz);
}

QString ZamokAplikacie::textChyby() const
{
    if (m_zamok->error() == QLockFile::LockFailedError || m_zamok->error() == QLockFile::NoError)
        return {};
    const QString adresar = QFileInfo(m_subor).absolutePath();
    const qint64 volne = Subory::volneMiesto(adresar);
    if (volne >= 0 && volne < 64 * 1024)
        return QStringLiteral("Súbor zámku %1 sa nedá vytvoriť. %2")
            .arg(QDir::toNativeSeparators(m_subor), Subory::textMaloMiesta(adresar, 64 * 1024));
    return QStringLiteral("Súbor zámku %1 sa nedá vytvoriť: %2")
        .arg(QDir::toNativeSeparators(m_subor),
             m_zamok->error() == QLockFile::PermissionError ? QStringLiteral("chýba oprávnenie na zápis do adresára údajov")
                                                             : QStringLiteral("neznáma chyba súborového systému"));
}
