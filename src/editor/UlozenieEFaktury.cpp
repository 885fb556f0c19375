#include "UlozenieEFaktury.h"

#include <QDir>
#include <QFileInfo>

#include "editor/KontrolaEFaktury.h"
#include "editor/PravidlaEFakturySK.h"
#include "settings/Iban.h"
#include "store/Peniaze.h"
#include "store/Spravy.h"
#include "store/Subory.h"

namespace UlozenieEFaktury {

QString NazovSuboru(bool dobropis)
{
    return dobropis ? QStringLiteral("dobropis.xml") : QStringLiteral("efaktura.xml");
}

Ulozenie Uloz(const EFaktura& f, const QString& adresar)
{
    Ulozenie v;
    v.chyby = ChybyEFaktury(f);
    if (!v.chyby.isEmpty())
        return v;
    const QByteArray xml = ZapisUbl(f);
    v.chyby = ChybyPeppol(xml) + ChybyPravidielSK(xml);
    if (!v.chyby.isEmpty())
        return v;
    const QString cesta = QDir(adresar).filePath(NazovSuboru(f.Dobropis));
    if (QFileInfo::exists(cesta)) {
        v.subor = cesta;
        return v;
    }
    if (const Vysledok ulozeny = Subory::ulozAtomicky(cesta, xml); !ulozeny) {
        v.chyby << Subory::textChybaZapisu(cesta, ulozeny.dovod());
        return v;
    }
    v.subor = cesta;
    v.novy = true;
    return v;
}

QString Sprava(const Ulozenie& v, bool dobropis)
{
    const QString co = dobropis ? QStringLiteral("Dobropis (XML)") : QStringLiteral("E-faktúra (XML)");
    if (!v.chyby.isEmpty())
        return co + QStringLiteral(" nebola vytvorená:\n") + v.chyby.join(u'\n');
    if (v.novy)
        return co + QStringLiteral(" bola vytvorená a uloží sa so záznamom: ") + v.subor;
    return co + QStringLiteral(" tohto záznamu už existuje a zostáva bez zmeny, lebo odoslaná e-faktúra sa "
                               "archivuje v pôvodnej podobe: ") + v.subor
        + (dobropis ? QString()
                    : QStringLiteral("\nAk treba odoslanú faktúru zrušiť, vystavte k nej dobropis."));
}

QString TextPotvrdenia(const EFaktura& f)
{
    const ESucty s = VypocitajSucty(f);
    const auto suma = [](qint64 centy) { return SumaTextSk(SymbolEuro, double(centy) / 100); };
    const QString nic = QStringLiteral("(nezadaný)");
    QString t = (f.Dobropis ? QStringLiteral("Dobropis ") : QStringLiteral("E-faktúra ")) + f.Cislo
                + QStringLiteral(" sa uloží so záznamom a odoslaná sa už nemení.\n\n");
    t += QStringLiteral("Odberateľ: ") + f.Odberatel.Nazov + u'\n';
    t += QStringLiteral("Príjemca platby: ") + f.Dodavatel.Nazov + QStringLiteral(", IBAN ") + Iban::naTlac(f.IBAN)
         + u'\n';
    t += QStringLiteral("Základ: ") + suma(s.BezDPH) + QStringLiteral(", DPH: ") + suma(s.DPH)
         + QStringLiteral(", na úhradu: ") + suma(s.NaUhradu) + u'\n';
    t += QStringLiteral("Variabilný symbol: ") + (f.VariabilnySymbol.isEmpty() ? nic : f.VariabilnySymbol) + u'\n';
    t += QStringLiteral("Dátum vystavenia: ") + (f.Vystavenie.isValid() ? f.Vystavenie.toString(QStringLiteral("d.M.yyyy")) : nic)
         + QStringLiteral(", splatnosť: ") + (f.Splatnost.isValid() ? f.Splatnost.toString(QStringLiteral("d.M.yyyy")) : nic)
         + QStringLiteral("\n\nSú údaje správne?");
    return t;
}

Ulozenie VytvorAUloz(const EFaktura& f, const QString& adresar)
{
    const Ulozenie v = Uloz(f, adresar);
    if (!v.chyby.isEmpty()) {
        spravy().upozornenie(Sprava(v, f.Dobropis));
        return v;
    }
    spravy().informacia(Sprava(v, f.Dobropis));
    const QString ciel = spravy().vyberSuborNaUlozenie(
        f.Dobropis ? QStringLiteral("Uložiť dobropis (XML)") : QStringLiteral("Uložiť e-faktúru (XML)"),
        QDir::homePath() + u'/' + QString(f.Cislo).replace(u'/', u'-') + QStringLiteral(".xml"),
        QStringLiteral("E-faktúra (*.xml)"));
    if (!ciel.isEmpty())
        ohlas(Subory::kopirujPrepis(v.subor, ciel));
    return v;
}

}  // namespace UlozenieEFaktury
