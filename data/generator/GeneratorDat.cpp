#include "GeneratorDat.h"

#include "settings/Banky.h"
#include "store/Subory.h"
#include "store/Win1250.h"

#include <QDir>
#include <QFile>
#include <QSet>

namespace GeneratorDat {

namespace {

QString miesto(const QString& nazov, int riadok) { return nazov + u':' + QString::number(riadok); }

// A text for a string field: it must fit the capacity and the code page, on one line.
bool overText(const QString& text, int kapacita, const QString& kde, const char* pole,
              QStringList& chyby)
{
    if (text.size() > kapacita) {
        chyby.append(QStringLiteral("%1: %2 má %3 znakov, najviac %4")
                         .arg(kde, QString::fromUtf8(pole))
                         .arg(text.size())
                         .arg(kapacita));
        return false;
    }
    if (!Win1250::daSaZakodovat(text)) {
        chyby.append(QStringLiteral("%1: %2 má znak mimo Windows-1250").arg(kde, QString::fromUtf8(pole)));
        return false;
    }
    for (const QChar c : text) {
        if (c.unicode() < 0x20) {
            chyby.append(QStringLiteral("%1: %2 má riadiaci znak").arg(kde, QString::fromUtf8(pole)));
            return false;
        }
    }
    return true;
}

bool overKod(const QString& kod, int kapacita, const QString& kde, QSet<QString>& kody,
             QStringList& chyby)
{
    if (kod.isEmpty()) {
        chyby.append(kde + QStringLiteral(": prázdny kód"));
        return false;
    }
    if (!overText(kod, kapacita, kde, "kód", chyby))
        return false;
    if (kody.contains(kod)) {
        chyby.append(kde + QStringLiteral(": kód ") + kod + QStringLiteral(" je už v zozname"));
        return false;
    }
    kody.insert(kod);
    return true;
}

bool cislo(const QString& text, double min, double max, const QString& kde, const char* pole,
           double& hodnota, QStringList& chyby)
{
    bool ok = false;
    hodnota = text.toDouble(&ok);
    if (!ok || !(hodnota >= min && hodnota <= max)) {
        chyby.append(QStringLiteral("%1: %2 \"%3\" nie je číslo od %4 do %5")
                         .arg(kde, QString::fromUtf8(pole), text)
                         .arg(min)
                         .arg(max));
        return false;
    }
    return true;
}

bool cele(const QString& text, int min, int max, const QString& kde, const char* pole,
          qint32& hodnota, QStringList& chyby)
{
    bool ok = false;
    hodnota = text.toInt(&ok);
    if (!ok || hodnota < min || hodnota > max) {
        chyby.append(QStringLiteral("%1: %2 \"%3\" nie je celé číslo od %4 do %5")
                         .arg(kde, QString::fromUtf8(pole), text)
                         .arg(min)
                         .arg(max));
        return false;
    }
    return true;
}

// Code and name lists share their shape.
template <class T>
QList<T> kodyANazvy(const QByteArray& csv, const QString& nazov, int dlzkaNazvu, QStringList& chyby)
{
    QList<T> zoznam;
    QSet<QString> kody;
    for (const auto& [riadok, r] : CitajCsv(csv, 2, nazov, chyby)) {
        const QString kde = miesto(nazov, riadok);
        T z;
        z.Kod = r.at(0);
        z.Nazov = r.at(1);
        const bool kodOk = overKod(z.Kod, T::KapacitaKodu, kde, kody, chyby);
        const bool nazovOk = !z.Nazov.isEmpty() && overText(z.Nazov, dlzkaNazvu, kde, "názov", chyby);
        if (z.Nazov.isEmpty())
            chyby.append(kde + QStringLiteral(": prázdny názov"));
        if (kodOk && nazovOk)
            zoznam.append(z);
    }
    return zoznam;
}

std::optional<QByteArray> citajZdroj(const QString& adresar, const QString& nazov, QStringList& chyby)
{
    auto obsah = Subory::citaj(QDir(adresar).filePath(nazov));
    if (!obsah)
        chyby.append(QStringLiteral("nedá sa čítať ") + QDir(adresar).filePath(nazov));
    return obsah;
}

}  // namespace

QList<RiadokCsv> CitajCsv(const QByteArray& utf8, int stlpcov, const QString& nazov,
                            QStringList& chyby)
{
    QString text = QString::fromUtf8(utf8);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    if (text.contains(QChar::ReplacementCharacter)) {
        chyby.append(nazov + QStringLiteral(": nie je v UTF-8"));
        return {};
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList riadky = text.split(u'\n');
    QList<RiadokCsv> vysledok;
    for (int i = 1; i < riadky.size(); ++i) {
        const QString& riadok = riadky.at(i);
        if (riadok.trimmed().isEmpty())
            continue;
        QStringList stlpce = riadok.split(u';');
        if (stlpce.size() != stlpcov) {
            chyby.append(QStringLiteral("%1: %2 stĺpcov, čakalo sa %3")
                             .arg(miesto(nazov, i + 1))
                             .arg(stlpce.size())
                             .arg(stlpcov));
            continue;
        }
        vysledok.append({int(i) + 1, stlpce});
    }
    if (riadky.isEmpty() || riadky.first().trimmed().isEmpty())
        chyby.append(nazov + QStringLiteral(": chýba riadok s názvami stĺpcov"));
    return vysledok;
}

QList<TOdbor> Odbory(const QByteArray& csv, QStringList& chyby)
{
    return kodyANazvy<TOdbor>(csv, QStringLiteral("odbory.csv"), TOdbor::KapacitaNazvu, chyby);
}

QList<TOdvetvie> Odvetvia(const QByteArray& csv, QStringList& chyby)
{
    return kodyANazvy<TOdvetvie>(csv, QStringLiteral("odvetvia.csv"), TOdvetvie::KapacitaNazvu, chyby);
}

QList<TJazyk> Jazyky(const QByteArray& csv, QStringList& chyby)
{
    return kodyANazvy<TJazyk>(csv, QStringLiteral("jazyky.csv"), TJazyk::DlzkaNazvu, chyby);
}

QList<BankaCsv> Banky(const QByteArray& csv, QStringList& chyby)
{
    const QString nazov = QStringLiteral("banky.csv");
    QList<BankaCsv> zoznam;
    QSet<QString> kody;
    for (const auto& [riadok, r] : CitajCsv(csv, 3, nazov, chyby)) {
        const QString kde = miesto(nazov, riadok);
        BankaCsv b{r.at(0), r.at(1), r.at(2)};
        bool ok = overKod(b.kod, 4, kde, kody, chyby);
        if (ok && !OverBanku(b.kod, b.nazov).isEmpty()) {
            chyby.append(kde + QStringLiteral(": ") + OverBanku(b.kod, b.nazov));
            ok = false;
        }
        ok = overText(b.nazov, 250, kde, "názov", chyby) && ok;
        if (!b.bic.isEmpty() && b.bic.size() != 8 && b.bic.size() != 11) {
            chyby.append(kde + QStringLiteral(": BIC má 8 alebo 11 znakov"));
            ok = false;
        }
        if (ok)
            zoznam.append(b);
    }
    return zoznam;
}

QList<TPolozkaCiselnika> Polozky(const QByteArray& csv, QStringList& chyby)
{
    using T = TPolozkaCiselnika;
    const QString nazov = QStringLiteral("polozky.csv");
    QList<T> zoznam;
    for (const auto& [riadok, r] : CitajCsv(csv, 9, nazov, chyby)) {
        const QString kde = miesto(nazov, riadok);
        T p;
        bool ok = cele(r.at(0), 1, 7, kde, "skupina", p.Skupina, chyby);
        ok = cele(r.at(1), 1, 5, kde, "druh", p.Druh, chyby) && ok;
        p.Nazov = r.at(2);
        p.MJ = r.at(3);
        p.Priplatok1Text = r.at(6);
        p.Priplatok2Text = r.at(8);
        ok = overText(p.Nazov, T::KapacitaNazvu, kde, "názov", chyby) && ok;
        ok = overText(p.MJ, T::KapacitaMJ, kde, "mj", chyby) && ok;
        ok = overText(p.Priplatok1Text, T::KapacitaPriplatku, kde, "priplatok1_text", chyby) && ok;
        ok = overText(p.Priplatok2Text, T::KapacitaPriplatku, kde, "priplatok2_text", chyby) && ok;
        ok = cislo(r.at(4), 0, 1e6, kde, "cena", p.Cena, chyby) && ok;
        ok = cislo(r.at(5), 0, 1000, kde, "priplatok1_max", p.Priplatok1Max, chyby) && ok;
        ok = cislo(r.at(7), 0, 1000, kde, "priplatok2_max", p.Priplatok2Max, chyby) && ok;
        if (p.Nazov.isEmpty()) {
            chyby.append(kde + QStringLiteral(": prázdny názov"));
            ok = false;
        }
        if (ok)
            zoznam.append(p);
    }
    return zoznam;
}

bool Generuj(const QString& zdroj, const QString& ciel, QStringList& chyby)
{
    const int predtym = int(chyby.size());
    const auto odbory = citajZdroj(zdroj, QStringLiteral("odbory.csv"), chyby);
    const auto odvetvia = citajZdroj(zdroj, QStringLiteral("odvetvia.csv"), chyby);
    const auto jazyky = citajZdroj(zdroj, QStringLiteral("jazyky.csv"), chyby);
    const auto polozky = citajZdroj(zdroj, QStringLiteral("polozky.csv"), chyby);
    const auto banky = citajZdroj(zdroj, QStringLiteral("banky.csv"), chyby);
    if (chyby.size() > predtym)
        return false;
    QStringList polozkyBank;
    for (const BankaCsv& b : Banky(*banky, chyby))
        polozkyBank.append(PolozkaBanky(b.kod, b.nazov));

    const QList<std::pair<QString, QByteArray>> subory = {
        {QStringLiteral("odbory.dat"), obsahPocitanehoSuboru(Odbory(*odbory, chyby))},
        {QStringLiteral("odvetvia.dat"), obsahPocitanehoSuboru(Odvetvia(*odvetvia, chyby))},
        {QStringLiteral("jazyky.dat"), obsahPocitanehoSuboru(Jazyky(*jazyky, chyby))},
        {QStringLiteral("ZnalKevrot_polozky.dat"), obsahPocitanehoSuboru(Polozky(*polozky, chyby))},
        {QStringLiteral("banky.kvz"), TextZRiadkov(polozkyBank)},
    };
    if (chyby.size() > predtym)
        return false;

    if (!QDir().mkpath(ciel)) {
        chyby.append(QStringLiteral("nedá sa vytvoriť ") + ciel);
        return false;
    }
    for (const auto& [nazov, obsah] : subory) {
        if (const Vysledok v = Subory::ulozAtomicky(QDir(ciel).filePath(nazov), obsah); !v) {
            chyby.append(QDir(ciel).filePath(nazov) + QStringLiteral(": ") + v.dovod());
            return false;
        }
    }
    return true;
}

}  // namespace GeneratorDat
