#include "NastaveniaEFaktury.h"

#include <QRegularExpression>
#include <QStringList>

#include "store/Cesty.h"
#include "store/Subory.h"

QString SuborNastaveniEFaktury() { return Cesty::cesta(QStringLiteral("\\nastavenia_efaktura.txt")); }

NastaveniaEFaktury NastaveniaEFakturyZTextu(const QByteArray& obsah)
{
    NastaveniaEFaktury n;
    for (const QString& riadok : QString::fromUtf8(obsah).split(u'\n')) {
        const qsizetype i = riadok.indexOf(u'=');
        if (i <= 0)
            continue;
        const QString k = riadok.left(i).trimmed();
        const QString v = riadok.mid(i + 1).trimmed();
        if (k == QLatin1String("IBAN"))
            n.IBAN = v;
        else if (k == QLatin1String("BIC"))
            n.BIC = v;
        else if (k == QLatin1String("EndpointId"))
            n.EndpointId = v;
        else if (k == QLatin1String("EndpointSchema") && !v.isEmpty())
            n.EndpointSchema = v;
        else if (k == QLatin1String("KategoriaNeplatcu") && (v == QLatin1String("O") || v == QLatin1String("E")))
            n.KategoriaNeplatcu = v;
        else if (k == QLatin1String("DovodNeplatcu"))
            n.DovodNeplatcu = v;
        else if (k == QLatin1String("Telefon"))
            n.Telefon = v;
        else if (k == QLatin1String("Email"))
            n.Email = v;
    }
    return n;
}

QByteArray TextNastaveniEFaktury(const NastaveniaEFaktury& n)
{
    // Values are one line each: line ends typed into a field would split a value.
    const auto riadok = [](const char* k, QString v) {
        v.replace(u'\r', u' ').replace(u'\n', u' ');
        return QString::fromLatin1(k) + u'=' + v + u'\n';
    };
    return (riadok("IBAN", n.IBAN) + riadok("BIC", n.BIC) + riadok("EndpointId", n.EndpointId)
            + riadok("EndpointSchema", n.EndpointSchema) + riadok("KategoriaNeplatcu", n.KategoriaNeplatcu)
            + riadok("DovodNeplatcu", n.DovodNeplatcu) + riadok("Telefon", n.Telefon) + riadok("Email", n.Email))
        .toUtf8();
}

NastaveniaEFaktury NacitajNastaveniaEFaktury()
{
    const auto obsah = Subory::citaj(SuborNastaveniEFaktury());
    return obsah ? NastaveniaEFakturyZTextu(*obsah) : NastaveniaEFaktury{};
}

Vysledok UlozNastaveniaEFaktury(const NastaveniaEFaktury& n)
{
    const Vysledok v = Subory::ulozAtomicky(SuborNastaveniEFaktury(), TextNastaveniEFaktury(n));
    return v ? v : Vysledok::chyba(Subory::textChybaZapisu(SuborNastaveniEFaktury(), v.dovod()));
}

namespace {

int mod97(const QString& cislice)
{
    int z = 0;
    for (const QChar c : cislice)
        z = (z * 10 + c.digitValue()) % 97;
    return z;
}

QString cisliceIbanu(const QString& iban)
{
    QString t;
    for (const QChar c : iban.mid(4) + iban.left(4))
        t += c.isDigit() ? QString(c) : QString::number(c.toUpper().unicode() - 'A' + 10);
    return t;
}

}  // namespace

bool PlatnyIban(const QString& iban)
{
    static const QRegularExpression tvar(QStringLiteral("^[A-Z]{2}\\d{2}[A-Z0-9]{10,30}$"));
    return tvar.match(iban).hasMatch() && mod97(cisliceIbanu(iban)) == 1;
}

QString IbanZUctu(const QString& cisloUctu, const QString& kodBanky)
{
    QString ucet = cisloUctu;
    ucet.remove(u' ');
    if (ucet.size() > 2 && ucet.at(0).isLetter())
        return ucet.toUpper();
    static const QRegularExpression tvar(QStringLiteral("^(?:(\\d{1,6})-)?(\\d{1,10})$"));
    const auto m = tvar.match(ucet);
    const QString kod = kodBanky.trimmed();
    if (!m.hasMatch() || kod.size() != 4 || !kod.at(0).isDigit())
        return {};
    const QString bban = kod + m.captured(1).rightJustified(6, u'0') + m.captured(2).rightJustified(10, u'0');
    const int kontrola = 98 - mod97(cisliceIbanu(QStringLiteral("SK00") + bban));
    return QStringLiteral("SK%1").arg(kontrola, 2, 10, QLatin1Char('0')) + bban;
}
