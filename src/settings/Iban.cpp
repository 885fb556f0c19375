#include "Iban.h"

#include <QRegularExpression>

namespace Iban {
namespace {

// Remainder modulo 97 of the number written by the IBAN's rearranged characters.
int mod97(const QString& s)
{
    int r = 0;
    for (QChar c : s) {
        const int v = c.isDigit() ? c.digitValue() : c.unicode() - 'A' + 10;
        r = v >= 10 ? (r * 100 + v) % 97 : (r * 10 + v) % 97;
    }
    return r;
}

// Weights 6,3,7,9,10,5,8,4,2,1 from the right-aligned tenth digit: the sum divides by 11.
bool vahovyKontrolnySucet(const QString& cislice)
{
    static const int vahy[] = {6, 3, 7, 9, 10, 5, 8, 4, 2, 1};
    const QString s = cislice.rightJustified(10, QLatin1Char('0'));
    int sucet = 0;
    for (int i = 0; i < 10; ++i)
        sucet += s.at(i).digitValue() * vahy[i];
    return sucet % 11 == 0;
}

}  // namespace

QString over(const QString& text)
{
    QString s = text;
    s.remove(QLatin1Char(' '));
    s = s.toUpper();
    static const QRegularExpression tvar(QStringLiteral("^[A-Z]{2}[0-9]{2}[A-Z0-9]{11,30}$"));
    if (!tvar.match(s).hasMatch())
        return {};
    return mod97(s.mid(4) + s.left(4)) == 1 ? s : QString();
}

QString naTlac(const QString& iban)
{
    QString t;
    for (qsizetype i = 0; i < iban.size(); i += 4)
        t += (i ? QStringLiteral(" ") : QString()) + iban.mid(i, 4);
    return t;
}

QString chyba(const QString& text)
{
    QString s = text;
    s.remove(QLatin1Char(' '));
    s = s.toUpper();
    static const QRegularExpression tvar(QStringLiteral("^[A-Z]{2}[0-9]{2}[A-Z0-9]{11,30}$"));
    if (!tvar.match(s).hasMatch())
        return QStringLiteral("IBAN „%1“ nemá správny tvar: dve písmená krajiny, dve kontrolné číslice a číslo účtu "
                              "(napr. SK31 1200 0000 1987 4263 7541).")
            .arg(text.trimmed());
    if (s.startsWith(QLatin1String("SK")) && s.size() != 24)
        return QStringLiteral("Slovenský IBAN „%1“ má mať 24 znakov, má %2.").arg(text.trimmed()).arg(s.size());
    if (mod97(s.mid(4) + s.left(4)) != 1)
        return QStringLiteral("IBAN „%1“ nie je platný: kontrolné číslice nesúhlasia (preklep v čísle?).")
            .arg(text.trimmed());
    return {};
}

bool naUcet(const QString& iban, QString* ucet, QString* kodBanky)
{
    const QString s = over(iban);
    static const QRegularExpression tvar(QStringLiteral("^SK[0-9]{22}$"));
    if (!tvar.match(s).hasMatch())
        return false;
    const auto bezNul = [](const QString& t) {
        qsizetype i = 0;
        while (i < t.size() - 1 && t.at(i) == QLatin1Char('0'))
            ++i;
        return t.mid(i);
    };
    const QString predcislie = bezNul(s.mid(8, 6));
    const QString cislo = bezNul(s.mid(14, 10));
    if (ucet)
        *ucet = (predcislie == QLatin1String("0") ? QString() : predcislie + QLatin1Char('-')) + cislo;
    if (kodBanky)
        *kodBanky = s.mid(4, 4);
    return true;
}

HodnotaAleboChyba<QString> zUctu(const QString& ucet, const QString& kodBanky)
{
    QString u = ucet.trimmed();
    u.remove(QLatin1Char(' '));
    static const QRegularExpression tvar(QStringLiteral("^(?:([0-9]{1,6})-)?([0-9]{2,10})$"));
    const auto m = tvar.match(u);
    if (!m.hasMatch())
        return HodnotaAleboChyba<QString>::chyba(QStringLiteral("Číslo účtu nemá tvar predčíslie-číslo: ") + ucet);
    const QString predcislie = m.captured(1);
    const QString cislo = m.captured(2);
    if (!vahovyKontrolnySucet(predcislie) || !vahovyKontrolnySucet(cislo))
        return HodnotaAleboChyba<QString>::chyba(QStringLiteral("Číslo účtu nie je platné: ") + ucet);
    static const QRegularExpression kod(QStringLiteral("^[0-9]{4}$"));
    if (!kod.match(kodBanky.trimmed()).hasMatch())
        return HodnotaAleboChyba<QString>::chyba(QStringLiteral("Kód banky nie je platný: ") + kodBanky);
    const QString bban = kodBanky.trimmed() + predcislie.rightJustified(6, QLatin1Char('0'))
                         + cislo.rightJustified(10, QLatin1Char('0'));
    const int kontrola = 98 - mod97(bban + QStringLiteral("SK00"));
    return QString(QStringLiteral("SK") + QString::number(kontrola).rightJustified(2, QLatin1Char('0')) + bban);
}

HodnotaAleboChyba<QString> preUcet(const QString& ucet, const QString& kodBanky)
{
    const QString iban = over(ucet);
    if (iban.isEmpty())
        return zUctu(ucet, kodBanky);
    return iban;
}

}  // namespace Iban
