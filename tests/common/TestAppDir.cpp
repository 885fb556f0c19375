#include "TestAppDir.h"

#include "store/Cesty.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void TestAppDir::SetUp()
{
    ASSERT_TRUE(m_adresar.isValid());
    Cesty::nastavAppDir(m_adresar.path());
    QDir(m_adresar.path()).mkdir(QStringLiteral("Data"));
    m_predtym = &spravy();
    nastavSpravy(&m_spravy);
}

void TestAppDir::TearDown() { nastavSpravy(nullptr); }

QString TestAppDir::cesta(const QString& relativna) const { return m_adresar.filePath(relativna); }

void TestAppDir::zapis(const QString& relativna, const QByteArray& obsah) const
{
    const QString p = cesta(relativna);
    QDir().mkpath(QFileInfo(p).path());
    QFile f(p);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(obsah);
}

QByteArray TestAppDir::obsah(const QString& relativna) const
{
    QFile f(cesta(relativna));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QString fixture(const QString& nazov)
{
    return QStringLiteral(KEVROT_SOURCE_DIR "/tests/fixtures/") + nazov;
}
