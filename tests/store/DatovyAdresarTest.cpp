#include "store/Cesty.h"
#include "store/DatovyAdresar.h"
#include "store/ZdielaneSubory.h"

#include "common/TestAppDir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

void subor(const QString& cesta, const QByteArray& obsah = "x")
{
    QDir().mkpath(QFileInfo(cesta).path());
    QFile f(cesta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(obsah);
}

QByteArray citaj(const QString& cesta)
{
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(chýba)");
}

}  // namespace

TEST(DatovyAdresar, OrderOfTheChoices)
{
    QTemporaryDir t;
    const QString koren = t.path();
    // Program folders: with a data set in one of its forms, and without one.
    subor(koren + "/portable/Data/odbory.dat");
    subor(koren + "/nastavenia/nastavenia.dat");
    QDir().mkpath(koren + "/roky/ZnalKevrot2024");
    QDir().mkpath(koren + "/usr/bin");
    QDir().mkpath(koren + "/bezroku/ZnalKevrot");
    subor(koren + "/subor/Data");  // a file named Data is no data set

    using P = DatovyAdresar::Povod;
    struct Pripad {
        const char* nazov;
        QString prepinac, premenna, program, xdg;
        QString adresar;
        P povod;
    };
    const QString domov = koren + "/home";
    const QString xdgDomov = domov + "/.local/share/ZnaleckyKevrot";
    const Pripad pripady[] = {
        {"switch wins over all", koren + "/a", koren + "/b", koren + "/portable", koren + "/x", koren + "/a", P::Prepinac},
        {"switch is made absolute and clean", "a/../c/", "", "", "", QDir::current().absoluteFilePath("c"), P::Prepinac},
        {"variable before the program folder", "", koren + "/b", koren + "/portable", "", koren + "/b", P::Premenna},
        {"portable copy with Data", "", "", koren + "/portable", koren + "/x", koren + "/portable", P::Program},
        {"program folder with settings", "", "", koren + "/nastavenia", "", koren + "/nastavenia", P::Program},
        {"program folder with a year", "", "", koren + "/roky", "", koren + "/roky", P::Program},
        {"installed program: XDG_DATA_HOME", "", "", koren + "/usr/bin", koren + "/x", koren + "/x/ZnaleckyKevrot", P::Xdg},
        {"no XDG_DATA_HOME: home", "", "", koren + "/usr/bin", "", xdgDomov, P::Xdg},
        {"relative XDG_DATA_HOME is ignored", "", "", koren + "/usr/bin", "rel", xdgDomov, P::Xdg},
        {"ZnalKevrot without a year is no data set", "", "", koren + "/bezroku", "", xdgDomov, P::Xdg},
        {"a file named Data is no data set", "", "", koren + "/subor", "", xdgDomov, P::Xdg},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazov);
        const auto v = DatovyAdresar::Zvol({p.prepinac, p.premenna, p.program, p.xdg, domov});
        EXPECT_EQ(v.adresar, QDir::cleanPath(p.adresar));
        EXPECT_EQ(v.povod, p.povod);
    }
}

TEST(DatovyAdresar, SwitchTakenOutOfTheArgumentsAndAMissingDirectory)
{
    QStringList a{"-obj", "--appdir", "/tmp/x", "--zmeraj-start"};
    QString adresar;
    EXPECT_TRUE(DatovyAdresar::VyberPrepinac(a, &adresar));
    EXPECT_EQ(adresar, "/tmp/x");
    EXPECT_EQ(a, QStringList({"-obj", "--zmeraj-start"}));
    QStringList bez{"--appdir"};
    EXPECT_FALSE(DatovyAdresar::VyberPrepinac(bez, &adresar));

    QTemporaryDir t;
    using P = DatovyAdresar::Povod;
    EXPECT_FALSE(DatovyAdresar::Priprav({t.path() + "/nie", P::Prepinac}).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(t.path() + "/nie"));
    EXPECT_TRUE(DatovyAdresar::Priprav({t.path() + "/nove/ZnaleckyKevrot", P::Xdg}).isEmpty());
    EXPECT_TRUE(QFileInfo(t.path() + "/nove/ZnaleckyKevrot").isDir());
}

class ZdielaneSuboryTest : public TestAppDir {
protected:
    void SetUp() override
    {
        TestAppDir::SetUp();
        m_share = m_zdielane.path();
        subor(m_share + "/Data/odbory.dat", "zdielane");
        subor(m_share + "/Data/jazyky.dat", "jazyky");
        subor(m_share + "/Data/stravne.csv", "sadzby");
        subor(m_share + "/Zostavy/Faktura.dot", "sablona");
        subor(m_share + "/ZnaleckyKevrot texty/Text vyuctovania/Úkon.rtf", "text");
        subor(m_share + "/ZnaleckyKevrot texty/hlavicka_vyuctovania.rtf", "hlavicka");
        ZdielaneSubory::nastavAdresar(m_share);
    }
    void TearDown() override
    {
        ZdielaneSubory::nastavAdresar({});
        TestAppDir::TearDown();
    }
    QTemporaryDir m_zdielane;
    QString m_share;
};

TEST_F(ZdielaneSuboryTest, NewDataDirectoryGetsWhatUsersChangeAndNothingIsReplaced)
{
    zapis("Data/odbory.dat", "vlastne");
    const QStringList skopirovane = ZdielaneSubory::DoplnDatovyAdresar();
    EXPECT_EQ(skopirovane, QStringList({"Data/jazyky.dat", "ZnaleckyKevrot texty/Text vyuctovania/Úkon.rtf",
                                        "ZnaleckyKevrot texty/hlavicka_vyuctovania.rtf"}));
    EXPECT_EQ(obsah("Data/odbory.dat"), "vlastne");
    EXPECT_EQ(obsah("ZnaleckyKevrot texty/Text vyuctovania/Úkon.rtf"), "text");
    // What the program only reads stays in the share folder.
    EXPECT_FALSE(QFileInfo::exists(cesta("Data/stravne.csv")));
    EXPECT_FALSE(QFileInfo::exists(cesta("Zostavy")));
    EXPECT_TRUE(m_spravy.texty().isEmpty());

    // A text the user deleted does not come back at the next start.
    QFile::remove(cesta("ZnaleckyKevrot texty/hlavicka_vyuctovania.rtf"));
    EXPECT_TRUE(ZdielaneSubory::DoplnDatovyAdresar().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(cesta("ZnaleckyKevrot texty/hlavicka_vyuctovania.rtf")));

    // A portable copy: the share folder is the data directory, nothing to do.
    ZdielaneSubory::nastavAdresar({});
    QFile::remove(cesta("Data/jazyky.dat"));
    EXPECT_TRUE(ZdielaneSubory::DoplnDatovyAdresar().isEmpty());
}

TEST_F(ZdielaneSuboryTest, ReadOnlyFilesFromTheShareTemplatesPreferTheUsersCopy)
{
    zapis("Data/stravne.csv", "stara kopia");
    zapis("Data/382_2004.pdf", "zakon");
    EXPECT_EQ(citaj(ZdielaneSubory::subor("\\Data\\stravne.csv")), "sadzby");
    EXPECT_EQ(citaj(ZdielaneSubory::subor("\\Data\\382_2004.pdf")), "zakon");

    EXPECT_EQ(citaj(ZdielaneSubory::sablona("\\Zostavy\\Faktura.dot")), "sablona");
    zapis("Zostavy/Faktura.dot", "upravena");
    EXPECT_EQ(citaj(ZdielaneSubory::sablona("\\Zostavy\\Faktura.dot")), "upravena");
    EXPECT_EQ(ZdielaneSubory::sablona("\\Zostavy\\nic.dot"), m_share + "/Zostavy/nic.dot");
}
