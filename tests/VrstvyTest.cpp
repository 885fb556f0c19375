// Every #include "folder/..." under src/ points to the file's own folder or to one listed
// before it in src/VRSTVY.txt.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

QStringList vrstvy(const QString& src)
{
    QFile f(src + QStringLiteral("/VRSTVY.txt"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList mena;
    for (const auto& riadok : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        const QString t = riadok.trimmed();
        if (!t.isEmpty() && !t.startsWith(QLatin1Char('#')))
            mena << t;
    }
    return mena;
}

// "file:line: text" for each include against the order, and for files in unlisted folders.
QStringList porusenia(const QString& src)
{
    const QStringList poradie = vrstvy(src);
    if (poradie.isEmpty())
        return {QStringLiteral("VRSTVY.txt: missing or empty")};
    static const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s+"([^"/]+)/)"));
    QStringList chyby;
    QDirIterator it(src, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString cesta = QDir(src).relativeFilePath(it.next());
        const QString priecinok = cesta.section(QLatin1Char('/'), 0, 0);
        const qsizetype vlastna = poradie.indexOf(priecinok);
        if (vlastna < 0) {
            chyby << cesta + QStringLiteral(":1: folder ") + priecinok + QStringLiteral(" is not in VRSTVY.txt");
            continue;
        }
        QFile f(it.filePath());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        QTextStream in(&f);
        for (int cislo = 1; !in.atEnd(); ++cislo) {
            const auto m = include.match(in.readLine());
            if (!m.hasMatch())
                continue;
            const qsizetype cielova = poradie.indexOf(m.captured(1));
            if (cielova > vlastna || (cielova < 0 && QFileInfo(src + QLatin1Char('/') + m.captured(1)).isDir()))
                chyby << QStringLiteral("%1:%2: %3 includes %4").arg(cesta).arg(cislo).arg(priecinok, m.captured(1));
        }
    }
    return chyby;
}

void zapis(const QString& cesta, const QByteArray& obsah)
{
    QDir().mkpath(QFileInfo(cesta).path());
    QFile f(cesta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(obsah);
}

}  // namespace

TEST(Vrstvy, ZdrojovyStromDodrziavaPoradie)
{
    const QStringList chyby = porusenia(QStringLiteral(KEVROT_SOURCE_DIR "/src"));
    EXPECT_TRUE(chyby.isEmpty()) << chyby.join(QLatin1Char('\n')).toStdString();
}

TEST(Vrstvy, IncludeProtiPoradiuSaHlasiSMiestom)
{
    QTemporaryDir d;
    const QString src = d.path();
    zapis(src + "/VRSTVY.txt", "# order\nstore\nsettings\n");
    zapis(src + "/store/A.h", "#include \"store/B.h\"\n#include <QString>\n");
    zapis(src + "/settings/C.cpp", "#include \"C.h\"\n#include \"store/A.h\"\n");
    EXPECT_TRUE(porusenia(src).isEmpty());

    zapis(src + "/store/B.h", "// b\n  #  include \"settings/C.h\"\n");
    zapis(src + "/extra/D.h", "\n");
    QStringList chyby = porusenia(src);
    chyby.sort();
    EXPECT_EQ(chyby, (QStringList{"extra/D.h:1: folder extra is not in VRSTVY.txt",
                                  "store/B.h:2: store includes settings"}));
}
