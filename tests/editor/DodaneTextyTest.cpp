// The rich-text templates that ship in "ZnaleckyKevrot texty": folders per kind of
// practitioner, well-formed 7-bit RTF, Slovak text, placeholders that the generators can
// replace, and a billing header whose source can be pasted into a letter.

#include "word/Dokument.h"
#include "word/RtfCitac.h"
#include "word/RtfQt.h"
#include "word/RtfZastupcovia.h"
#include "store/Win1250.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMap>
#include <QRegularExpression>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

const QString Koren = QStringLiteral(KEVROT_SOURCE_DIR "/data/app/ZnaleckyKevrot texty");
const QString Hlavicka = QStringLiteral("hlavicka_vyuctovania.rtf");
const QString Pata = QStringLiteral("pata_vyuctovania.rtf");

enum class Sada { Vyuctovanie, Vyplatenie, Korespondencia };

struct Druh {
    const char* pripona;
    const char* odmena;             // the remuneration of this kind, as the texts name it
    const char* podpis;             // the word under the signature of a letter
    QStringList cudzieSlova;        // words of the other kinds that must not appear
};

const QList<Druh>& druhy()
{
    static const QList<Druh> d = {
        {"", "znalečné", "znalec",
         {"tlmočné", "tlmočného", "tlmočnícky", "prekladateľské", "prekladateľského", "prekladateľský"}},
        {" (tlmocnik)", "tlmočné", "tlmočník",
         {"znalečné", "znalečného", "znalecký", "znaleckého", "prekladateľsk"}},
        {" (prekladatel)", "prekladateľské", "prekladateľ",
         {"znalečné", "znalečného", "znalecký", "znaleckého", "tlmočné", "tlmočného", "tlmočnícky"}},
    };
    return d;
}

QString priecinok(Sada s, const Druh& d)
{
    static const QMap<Sada, QString> zaklad = {
        {Sada::Vyuctovanie, QStringLiteral("Text vyuctovania")},
        {Sada::Vyplatenie, QStringLiteral("Text vyuctovania - financna ciastka")},
        {Sada::Korespondencia, QStringLiteral("Korespondencia - objednavky")},
    };
    return zaklad[s] + QString::fromLatin1(d.pripona);
}

QSet<QString> povoleniZastupcovia(Sada s)
{
    if (s == Sada::Korespondencia)
        return {"$DATUM_VYZIAD$", "$ZADAVATEL_MENO$", "$ZADAVATEL_ADRESA$", "$ZNALEC_MENO$",
                "$ZNALEC_ADRESA$", "$ZNALEC_MESTO$", "$ZNALEC_HLAVICKA$", "$ZNALEC_PATA$",
                "$DNES$", "$CISLO_UCTU$", "$OBJEDNAVKA$"};
    return {"$CISLO$", "$UKON$", "$PREDMET$", "$OBJEDNAVKA$", "$VARIAB_SYMBOL$", "$CISLO_UCTU$", "$SPLATNOST$",
            "$DATUM_SPLATNOSTI$"};
}

// Values with Slovak letters and the characters that mean something to RTF.
QList<Zastupca> hodnoty(const QSet<QString>& nazvy)
{
    QList<Zastupca> z;
    int i = 0;
    for (const QString& n : nazvy) {
        if (n == QLatin1String("$ZNALEC_HLAVICKA$") || n == QLatin1String("$ZNALEC_PATA$"))
            z.append({n, QString()});
        else
            z.append({n, QString::fromUtf8("Ťažký {%1} \\ Žilina č. %2").arg(n.mid(1, n.size() - 2)).arg(++i)});
    }
    return z;
}

QByteArray obsah(const QString& cesta)
{
    QFile f(cesta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

struct Sablona {
    QString cesta;
    Sada sada;
    const Druh* druh;
};

QList<Sablona> vsetkySablony()
{
    QList<Sablona> v;
    for (const Druh& d : druhy())
        for (Sada s : {Sada::Vyuctovanie, Sada::Vyplatenie, Sada::Korespondencia}) {
            const QDir dir(Koren + '/' + priecinok(s, d));
            for (const QString& n : dir.entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name))
                v.append({dir.filePath(n), s, &d});
        }
    return v;
}

QList<QString> zastupcoviaVTexte(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("\\$[A-Z_]+\\$"));
    QList<QString> v;
    for (auto it = re.globalMatch(text); it.hasNext();)
        v.append(it.next().captured());
    std::sort(v.begin(), v.end());
    return v;
}

// Placeholders of the source, each found whole on one line; a "$" that belongs to none
// (a placeholder broken across lines or by formatting codes) is reported.
QList<QString> zastupcoviaVZdroji(const QByteArray& zdroj, QStringList& chyby)
{
    QList<QString> v;
    for (const QByteArray& riadok : zdroj.split('\n')) {
        const QList<QString> naRiadku = zastupcoviaVTexte(QString::fromLatin1(riadok));
        if (riadok.count('$') != 2 * naRiadku.size())
            chyby << QStringLiteral("a broken placeholder: ") + QString::fromLatin1(riadok);
        v += naRiadku;
    }
    std::sort(v.begin(), v.end());
    return v;
}

// Letters that a \'hh escape may stand for in Slovak business text.
bool jeOcakavanyZnak(QChar c)
{
    static const QString povolene = QString::fromUtf8(
        "áäčďéíĺľňóôŕšťúýžÁÄČĎÉÍĹĽŇÓÔŔŠŤÚÝŽ–„“•§€\u00a0");
    return povolene.contains(c);
}

// Problems of the RTF source seen as bytes: the first group opens the document and closes
// at its end, braces balance, only 7-bit bytes, escapes of the code page, declared fonts.
QStringList chybyZdroja(const QByteArray& z)
{
    QStringList chyby;
    if (!z.startsWith("{\\rtf1\\ansi\\ansicpg1250"))
        chyby << QStringLiteral("does not begin with {\\rtf1\\ansi\\ansicpg1250");
    int hlbka = 0;
    qsizetype koniec = -1;
    for (qsizetype i = 0; i < z.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(z[i]);
        if (c >= 0x80 || (c < 0x20 && c != '\r' && c != '\n')) {
            chyby << QStringLiteral("byte %1 at %2").arg(c).arg(i);
            continue;
        }
        if (koniec >= 0) {
            if (c != '\r' && c != '\n')
                chyby << QStringLiteral("text after the closing brace at %1").arg(i);
            continue;
        }
        if (c == '\\' && i + 1 < z.size()) {
            const char n = z[i + 1];
            if (n == '\'') {
                const QByteArray hex = z.mid(i + 2, 2);
                bool ok = false;
                const int b = hex.toInt(&ok, 16);
                if (!ok || hex.size() != 2)
                    chyby << QStringLiteral("bad escape at %1").arg(i);
                else if (b < 0x80 || !jeOcakavanyZnak(Win1250::dekoduj(QByteArray(1, char(b)))[0]))
                    chyby << QStringLiteral("unexpected character \\'%1").arg(QString::fromLatin1(hex));
                i += 3;
            } else {
                ++i;  // "\{", "\}", "\\" and the first letter of a control word
            }
        } else if (c == '{') {
            ++hlbka;
        } else if (c == '}') {
            if (--hlbka == 0)
                koniec = i;
            else if (hlbka < 0)
                chyby << QStringLiteral("a surplus } at %1").arg(i);
        }
    }
    if (koniec < 0)
        chyby << QStringLiteral("the document group is not closed");

    QMap<int, int> pisma;  // number -> \fcharset
    static const QRegularExpression deklaracia(QStringLiteral("\\{\\\\f(\\d+)\\\\f[a-z]+\\\\fcharset(\\d+) [^;{}]+;\\}"));
    for (auto it = deklaracia.globalMatch(QString::fromLatin1(z)); it.hasNext();) {
        const auto m = it.next();
        pisma.insert(m.captured(1).toInt(), m.captured(2).toInt());
    }
    static const QRegularExpression pouzitie(QStringLiteral("\\\\f(\\d+)"));
    for (auto it = pouzitie.globalMatch(QString::fromLatin1(z)); it.hasNext();) {
        const int f = it.next().captured(1).toInt();
        if (!pisma.contains(f))
            chyby << QStringLiteral("font %1 is not declared").arg(f);
        else if (pisma[f] != 238)
            chyby << QStringLiteral("font %1 is not declared Central European").arg(f);
    }
    return chyby;
}

QByteArray tabulkaPisiem(const QByteArray& zdroj)
{
    const qsizetype od = zdroj.indexOf("{\\fonttbl");
    const qsizetype po = zdroj.indexOf("}}", od);
    return od < 0 || po < 0 ? QByteArray() : zdroj.mid(od, po + 2 - od);
}

QString textSuboru(const QString& cesta)
{
    return RtfCitac::citajSubor(cesta).dokument.text();
}

}  // namespace

TEST(DodaneTexty, KazdyDruhMaVKazdomPriecinkuAsponDveSablony)
{
    QSet<QString> ocakavane = {Hlavicka, Pata};
    for (const Druh& d : druhy())
        for (Sada s : {Sada::Vyuctovanie, Sada::Vyplatenie, Sada::Korespondencia}) {
            const QDir dir(Koren + '/' + priecinok(s, d));
            ASSERT_TRUE(dir.exists()) << dir.path().toStdString();
            const QStringList sablony = dir.entryList({QStringLiteral("*.rtf")}, QDir::Files);
            EXPECT_GE(sablony.size(), 2) << dir.path().toStdString();
            for (const QString& n : sablony)
                ocakavane.insert(priecinok(s, d) + '/' + n);
        }
    EXPECT_TRUE(QFile::exists(Koren + '/' + Hlavicka));
    EXPECT_TRUE(QFile::exists(Koren + '/' + Pata));

    // Nothing else ships: no stray files, other extensions or names that Windows-1250
    // cannot hold.
    QDirIterator it(Koren, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString rel = QDir(Koren).relativeFilePath(it.next());
        EXPECT_TRUE(ocakavane.contains(rel)) << "unexpected file " << rel.toStdString();
        EXPECT_TRUE(Win1250::daSaZakodovat(rel)) << rel.toStdString();
    }
}

TEST(DodaneTexty, NazvySablonSuSpravnouSlovencinou)
{
    // Words that the names once carried without their diacritics.
    static const QRegularExpression bezDiakritiky(
        QStringLiteral(R"(\b(ukon|sud|objednavk[uy]|Uhrada|ucet|vyuctovaniu|Sprievodny|Vyziadanie|znalecneho|)"
                       R"(tlmocneho|prekladatelskeho|Znalecky|Tlmocnicky|Prekladatelsky)\b)"));
    const QList<Sablona> sablony = vsetkySablony();
    ASSERT_FALSE(sablony.isEmpty());
    for (const Sablona& s : sablony) {
        const QString nazov = QFileInfo(s.cesta).completeBaseName();
        EXPECT_FALSE(bezDiakritiky.match(nazov).hasMatch()) << nazov.toStdString();
    }
}

TEST(DodaneTexty, ZdrojJeSedembitoveRtfSoZnakmiKodovejStranky)
{
    QStringList subory = {Koren + '/' + Hlavicka, Koren + '/' + Pata};
    for (const auto& s : vsetkySablony())
        subory << s.cesta;
    ASSERT_GE(subory.size(), 2 + 3 * 6);
    for (const QString& cesta : subory) {
        const QByteArray z = obsah(cesta);
        ASSERT_FALSE(z.isEmpty()) << cesta.toStdString();
        EXPECT_EQ(chybyZdroja(z), QStringList()) << cesta.toStdString();
        const auto v = RtfCitac::citaj(z);
        EXPECT_TRUE(v.jeRtf && v.uplny) << cesta.toStdString();
        const QString text = v.dokument.text();
        EXPECT_GT(text.trimmed().size(), 20) << cesta.toStdString();
        EXPECT_FALSE(text.contains(QChar(0xFFFD)) || text.contains('?')) << cesta.toStdString();
    }
}

TEST(DodaneTexty, KontrolaZdrojaOdhaliChyby)
{
    const QByteArray dobre = "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0\\froman\\fcharset238 Times;}}\\f0 \\'e8\\par}\r\n";
    EXPECT_EQ(chybyZdroja(dobre), QStringList());
    QByteArray zle = dobre;
    EXPECT_FALSE(chybyZdroja(zle.replace("\\'e8", "\\'e3")).isEmpty());        // ă is no Slovak letter
    zle = dobre;
    EXPECT_FALSE(chybyZdroja(zle.replace("\\'e8", "\xe8")).isEmpty());         // raw byte
    zle = dobre;
    EXPECT_FALSE(chybyZdroja(zle.replace("\\par}", "\\par")).isEmpty());       // unclosed
    zle = dobre;
    EXPECT_FALSE(chybyZdroja(zle.replace("\\par}", "\\par}}")).isEmpty());     // surplus brace
    zle = dobre;
    EXPECT_FALSE(chybyZdroja(zle.replace("fcharset238", "fcharset0")).isEmpty());
    zle = dobre;
    EXPECT_FALSE(chybyZdroja(zle.replace("\\f0 ", "\\f3 ")).isEmpty());
    EXPECT_TRUE(chybyZdroja(QByteArray("{\\rtf1\\ansi\\ansicpg1250 a\\{b\\}c\\\\d}")).isEmpty());
}

TEST(DodaneTexty, TextyPouzivajuOdmenuSvojhoDruhu)
{
    for (const auto& s : vsetkySablony()) {
        const QString text = textSuboru(s.cesta);
        const std::string kde = s.cesta.toStdString();
        const QString odmena = QString::fromUtf8(s.druh->odmena);
        for (const QString& cudzie : s.druh->cudzieSlova)
            EXPECT_FALSE(text.contains(cudzie, Qt::CaseInsensitive)) << kde << " holds " << cudzie.toStdString();
        if (s.sada == Sada::Korespondencia) {
            EXPECT_TRUE(text.split('\n').contains(QString::fromUtf8(s.druh->podpis))) << kde;
        } else {
            // The remuneration term, whole or declined ("znalečné", "znalečného").
            EXPECT_TRUE(text.contains(odmena.chopped(1), Qt::CaseInsensitive)) << kde;
        }
        if (s.sada == Sada::Vyuctovanie) {
            EXPECT_TRUE(text.contains(QString::fromUtf8("491/2004 Z.\u00a0z."))) << kde;
        }
    }
    EXPECT_TRUE(textSuboru(Koren + '/' + Hlavicka)
                    .contains(QString::fromUtf8("zapísaný v zozname znalcov, tlmočníkov a prekladateľov")));
    EXPECT_TRUE(textSuboru(Koren + '/' + Pata).contains(QString::fromUtf8("Bankové spojenie: ")));
}

TEST(DodaneTexty, ZastupcoviaSuZnamiACeli)
{
    for (const Druh& d : druhy()) {
        bool listSPatou = false, listSHlavickou = false;
        for (const auto& s : vsetkySablony()) {
            if (s.druh != &d)
                continue;
            const std::string kde = s.cesta.toStdString();
            const QByteArray zdroj = obsah(s.cesta);
            QStringList chyby;
            const QList<QString> vZdroji = zastupcoviaVZdroji(zdroj, chyby);
            EXPECT_EQ(chyby, QStringList()) << kde;
            for (const QString& z : vZdroji)
                EXPECT_TRUE(povoleniZastupcovia(s.sada).contains(z)) << kde << " " << z.toStdString();
            // What the reader shows is what the source holds: no placeholder split by formatting.
            EXPECT_EQ(zastupcoviaVTexte(textSuboru(s.cesta)), vZdroji) << kde;

            const QSet<QString> mnozina(vZdroji.begin(), vZdroji.end());
            switch (s.sada) {
            case Sada::Vyuctovanie:
                EXPECT_TRUE(mnozina.contains("$CISLO$")) << kde;
                break;
            case Sada::Vyplatenie:
                EXPECT_TRUE(mnozina.contains("$CISLO_UCTU$") && mnozina.contains("$VARIAB_SYMBOL$")) << kde;
                break;
            case Sada::Korespondencia:
                for (const char* n : {"$ZADAVATEL_MENO$", "$ZADAVATEL_ADRESA$", "$OBJEDNAVKA$",
                                      "$DATUM_VYZIAD$", "$ZNALEC_MENO$", "$ZNALEC_MESTO$", "$DNES$"})
                    EXPECT_TRUE(mnozina.contains(n)) << kde << " lacks " << n;
                listSPatou |= mnozina.contains("$ZNALEC_PATA$");
                listSHlavickou |= mnozina.contains("$ZNALEC_HLAVICKA$");
                break;
            }
        }
        EXPECT_TRUE(listSPatou) << d.pripona;
        EXPECT_TRUE(listSHlavickou) << d.pripona;
    }
    // The header and footer go into documents as they stand: a placeholder would be printed.
    EXPECT_FALSE(obsah(Koren + '/' + Hlavicka).contains('$'));
    EXPECT_FALSE(obsah(Koren + '/' + Pata).contains('$'));
}

TEST(DodaneTexty, KontrolaZastupcovOdhaliPrerusenie)
{
    QStringList chyby;
    EXPECT_EQ(zastupcoviaVZdroji("a $CISLO$ b $UKON$\r\n", chyby), (QList<QString>{"$CISLO$", "$UKON$"}));
    EXPECT_TRUE(chyby.isEmpty());
    zastupcoviaVZdroji("a $CIS{\\b LO}$\r\n", chyby);
    EXPECT_EQ(chyby.size(), 1);
    zastupcoviaVZdroji("a $CIS\r\nLO$\r\n", chyby);
    EXPECT_EQ(chyby.size(), 3);
}

TEST(DodaneTexty, PoNahradeNezostaneZiadnyZastupcaAHodnotySuVTexte)
{
    for (const auto& s : vsetkySablony()) {
        const std::string kde = s.cesta.toStdString();
        const QByteArray zdroj = obsah(s.cesta);
        QStringList chyby;
        const QList<QString> vZdroji = zastupcoviaVZdroji(zdroj, chyby);
        const auto z = hodnoty(QSet<QString>(vZdroji.begin(), vZdroji.end()));
        const auto v = RtfCitac::citaj(RtfZastupcovia::nahrad(zdroj, z));
        EXPECT_TRUE(v.uplny) << kde;
        const QString text = v.dokument.text();
        EXPECT_FALSE(text.contains('$')) << kde;
        for (const auto& h : z)
            EXPECT_TRUE(text.contains(h.hodnota)) << kde << " lacks the value of " << h.nazov.toStdString();
    }
}

// The letter takes the header file's source in place of "$ZNALEC_HLAVICKA$", as it stands.
TEST(DodaneTexty, ZdrojHlavickyVlozenyDoListuSaCitaAkoHlavickaPredListom)
{
    const QByteArray hlavicka = obsah(Koren + '/' + Hlavicka);
    const auto samotnaHlavicka = RtfCitac::citaj(hlavicka).dokument;
    ASSERT_GE(samotnaHlavicka.telo.size(), 2);

    // Nothing in the header that would change the letter's page, sections or colours.
    static const QRegularExpression dokumentove(QStringLiteral(
        "\\\\(paperw|paperh|margl|margr|margt|margb|landscape|sectd|sect|page|header|footer|"
        "stylesheet|info|colortbl|cf|listtable|pgnstart|titlepg)(?![a-z])"));
    EXPECT_FALSE(dokumentove.match(QString::fromLatin1(hlavicka)).hasMatch())
        << dokumentove.match(QString::fromLatin1(hlavicka)).captured().toStdString();

    int listov = 0;
    for (const auto& s : vsetkySablony()) {
        const QByteArray list = obsah(s.cesta);
        if (s.sada != Sada::Korespondencia || !list.contains("$ZNALEC_HLAVICKA$"))
            continue;
        ++listov;
        const std::string kde = s.cesta.toStdString();
        // The pasted font table must mean the same fonts as the letter's own.
        EXPECT_EQ(tabulkaPisiem(hlavicka), tabulkaPisiem(list)) << kde;
        // The placeholder stands alone in its paragraph, on its own source line.
        bool samostatny = false;
        for (const QByteArray& r : list.split('\n'))
            if (r.contains("$ZNALEC_HLAVICKA$"))
                samostatny = r.trimmed().endsWith(" $ZNALEC_HLAVICKA$\\par") && r.startsWith("\\pard");

        EXPECT_TRUE(samostatny) << kde;

        QByteArray spolu = list;
        spolu.replace("$ZNALEC_HLAVICKA$", hlavicka);
        EXPECT_EQ(chybyZdroja(spolu), QStringList()) << kde;
        const auto z = hodnoty({"$ZADAVATEL_MENO$", "$ZNALEC_PATA$", "$DNES$"});
        const auto s1 = RtfCitac::citaj(RtfZastupcovia::nahrad(spolu, z));
        QList<Zastupca> bezHlavicky = z;
        bezHlavicky.append({QStringLiteral("$ZNALEC_HLAVICKA$"), QString()});
        const auto s0 = RtfCitac::citaj(RtfZastupcovia::nahrad(list, bezHlavicky));
        ASSERT_TRUE(s1.uplny) << kde;

        // The header's paragraphs come first, then the letter as it is without them.
        EXPECT_EQ(s1.dokument.text(), samotnaHlavicka.text() + s0.dokument.text()) << kde;
        EXPECT_EQ(s1.dokument.strana.sirka, s0.dokument.strana.sirka) << kde;
        EXPECT_EQ(s1.dokument.strana.vlavo, s0.dokument.strana.vlavo) << kde;
        EXPECT_EQ(s1.dokument.predvolenePismo, s0.dokument.predvolenePismo) << kde;

        // Each paragraph keeps its own format: the header's and, after it, the letter's.
        const auto n = samotnaHlavicka.telo.size();
        ASSERT_EQ(s1.dokument.telo.size(), n + s0.dokument.telo.size()) << kde;
        for (qsizetype i = 0; i < s1.dokument.telo.size(); ++i) {
            const RtfOdsek& o = s1.dokument.telo[i].odsek;
            const RtfOdsek& vzor = i < n ? samotnaHlavicka.telo[i].odsek : s0.dokument.telo[i - n].odsek;
            EXPECT_EQ(o.zarovnanie, vzor.zarovnanie) << kde << " paragraph " << i;
            EXPECT_EQ(o.odsadenieVlavo, vzor.odsadenieVlavo) << kde << " paragraph " << i;
            ASSERT_EQ(o.behy.size(), vzor.behy.size()) << kde << " paragraph " << i;
            for (qsizetype j = 0; j < o.behy.size(); ++j)
                EXPECT_TRUE(o.behy[j].format == vzor.behy[j].format) << kde << " paragraph " << i;
        }
    }
    EXPECT_EQ(listov, 3 + 1);  // one per kind, and the expert's request for documents
}

TEST(DodaneTexty, HlavickaSaDaPrevestNaTabulkuAPataIdeDoPaty)
{
    const auto hlavicka = RtfCitac::citajSubor(Koren + '/' + Hlavicka).dokument;
    Dokument d;
    d.nastavZakladnePismo(QStringLiteral("Arial"), 11);
    const auto od = d.pozicia();
    ASSERT_TRUE(d.vlozSubor(Koren + '/' + Hlavicka));
    TabulkaVolby volby;
    volby.okrajSpodny = true;
    const int blok = d.textNaTabulku(od, volby);
    ASSERT_GE(blok, 0);
    ASSERT_TRUE(d.vlozSubor(vsetkySablony().first().cesta));
    ASSERT_TRUE(d.nastavPatu(Koren + '/' + Pata, true));

    const auto m = RtfCitac::citaj(d.rtf()).dokument;
    // One column: no ";" or tab in the header splits a line into cells.
    const RtfTabulka& t = m.telo[blok].tabulka;
    ASSERT_EQ(t.riadky.size(), hlavicka.telo.size());
    for (qsizetype i = 0; i < t.riadky.size(); ++i) {
        ASSERT_EQ(t.riadky[i].bunky.size(), 1);
        EXPECT_EQ(t.riadky[i].bunky[0].text(), hlavicka.telo[i].odsek.text());
    }
    EXPECT_EQ(RtfDokument::textBlokov(m.pata), textSuboru(Koren + '/' + Pata));
    EXPECT_EQ(m.pata.first().odsek.behy.first().format.pismo, QStringLiteral("Arial"));
}

// The template editor loads a template into the edit control and writes it back: the
// placeholders must still be whole in the written source.
TEST(DodaneTexty, PoUlozeniZEditoraZostanuZastupcoviaCeli)
{
    if (!QGuiApplication::instance()) {
        static int argc = 1;
        static char nazov[] = "test";
        static char* argv[] = {nazov, nullptr};
        static QGuiApplication app(argc, argv);
    }
    for (const auto& s : vsetkySablony()) {
        const std::string kde = s.cesta.toStdString();
        QStringList chyby;
        const QList<QString> predtym = zastupcoviaVZdroji(obsah(s.cesta), chyby);
        QTextDocument doc;
        ASSERT_TRUE(RtfQt::nacitajRtf(obsah(s.cesta), doc)) << kde;
        const QByteArray znova = RtfQt::rtf(doc);
        chyby.clear();
        EXPECT_EQ(zastupcoviaVZdroji(znova, chyby), predtym) << kde;
        EXPECT_EQ(chyby, QStringList()) << kde;
    }
}
