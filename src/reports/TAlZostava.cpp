#include "TAlZostava.h"

#include <QFileInfo>

#include "DfmStrom.h"
#include "store/Spravy.h"
#include "store/Subory.h"

namespace {

// The classes a layout may create, by name (any letter case).
std::unique_ptr<TAlKomponent> vytvor(const QString& trieda)
{
    const QString t = trieda.toLower();
    std::unique_ptr<TAlKomponent> k;
    if (t == u"talreport")
        k = std::make_unique<TAlReport>();
    else if (t == u"talband")
        k = std::make_unique<tAlBand>();
    else if (t == u"tallabel")
        k = std::make_unique<TAlLabel>();
    else if (t == u"talfield")
        k = std::make_unique<TAlField>();
    else if (t == u"talsysfield")
        k = std::make_unique<TAlSysField>();
    else if (t == u"talshape")
        k = std::make_unique<TAlShape>();
    else if (t == u"talimage")
        k = std::make_unique<tAlImage>();
    else if (t == u"taldetaillink")
        k = std::make_unique<TAlDetailLink>();
    return k;
}

}  // namespace

TAlReport* TAlZostava::report() const
{
    for (const auto& k : m_komponenty)
        if (auto* r = dynamic_cast<TAlReport*>(k.get()))
            return r;
    return nullptr;
}

TAlKomponent* TAlZostava::najdi(const QString& meno) const
{
    if (meno.isEmpty())
        return nullptr;
    for (const auto& k : m_komponenty)
        if (k->Name.compare(meno, Qt::CaseInsensitive) == 0)
            return k.get();
    return nullptr;
}

TAlField* TAlZostava::najdiPole(const QString& meno) const
{
    for (const auto& k : m_komponenty)
        if (auto* f = dynamic_cast<TAlField*>(k.get()))
            if (f->Name.compare(meno, Qt::CaseInsensitive) == 0)
                return f;
    return nullptr;
}

QString TAlZostava::jedinecneMeno(const QString& meno) const
{
    QString m = meno;
    while (!m.isEmpty() && najdi(m))
        m += u'_';
    return m;
}

void TAlZostava::zoStromu(const DfmObjekt& koren, const QString& subor)
{
    m_komponenty.clear();
    Name = koren.meno;
    Subor = subor;
    // The root is the form: its own properties are those of a window; only its font
    // matters here, for bands that take their parent's font.
    for (const auto& v : koren.vlastnosti) {
        const QString m = v.meno.toLower();
        if (m.startsWith(u"font."))
            Font.nastav(m.mid(5), v.hodnota);
    }
    for (const auto& d : koren.deti)
        pridajObjekt(d, nullptr, subor);
    prepojOdkazy(subor);
}

void TAlZostava::pridajObjekt(const DfmObjekt& o, TAlKomponent* rodic, const QString& subor)
{
    std::unique_ptr<TAlKomponent> k = vytvor(o.trieda);
    if (!k)
        throw ChybaZostavy(QStringLiteral("Trieda %1 neexistuje").arg(o.trieda));
    k->Trieda = o.trieda;
    k->Zostava = this;
    k->Parent = rodic;
    for (const auto& v : o.vlastnosti) {
        bool known = false;
        try {
            known = k->nastav(v.meno.toLower(), v.hodnota);
        } catch (const ChybaZostavy& e) {
            throw ChybaZostavy(QStringLiteral("%1.%2: %3").arg(o.meno, v.meno, e.text()));
        }
        if (!known)
            throw ChybaZostavy(QStringLiteral("Vlastnosť %1 neexistuje (%2: %3)").arg(v.meno, o.meno, o.trieda));
    }
    k->Name = jedinecneMeno(o.meno);
    TAlKomponent* surovy = k.get();
    if (auto* ovladac = dynamic_cast<tAlControl*>(surovy))
        if (auto* band = dynamic_cast<tAlBand*>(rodic))
            band->Ovladace.append(ovladac);
    if (!o.deti.empty() && !dynamic_cast<tAlBand*>(surovy))
        throw ChybaZostavy(QStringLiteral("%1 nemôže obsahovať iné komponenty").arg(o.meno));
    m_komponenty.push_back(std::move(k));
    for (const auto& d : o.deti)
        pridajObjekt(d, surovy, subor);
}

void TAlZostava::prepojOdkazy(const QString&)
{
    for (auto* link : vsetky<TAlDetailLink>()) {
        auto pasik = [&](const QString& meno) -> tAlBand* {
            if (meno.isEmpty())
                return nullptr;
            auto* b = dynamic_cast<tAlBand*>(najdi(meno));
            if (!b)
                throw ChybaZostavy(QStringLiteral("%1: pás %2 neexistuje").arg(link->Name, meno));
            return b;
        };
        link->GroupBand = pasik(link->menoGroupBand);
        link->GroupHeader = pasik(link->menoGroupHeader);
        link->GroupFooter = pasik(link->menoGroupFooter);
        if (!link->menoDataSource.isEmpty()) {
            link->DataSource = dynamic_cast<TAlField*>(najdi(link->menoDataSource));
            if (!link->DataSource)
                throw ChybaZostavy(QStringLiteral("%1: pole %2 neexistuje").arg(link->Name, link->menoDataSource));
        }
        if (link->GroupBand && !link->GroupBand->Link)
            link->GroupBand->Link = link;
    }
}

QString textNedaSaNahratZostava(const QString& cesta)
{
    return QStringLiteral("Nedá sa nahrať zostava %1").arg(cesta);
}

std::unique_ptr<TAlZostava> NahrajZostavu(const QString& cesta)
{
    const QFileInfo info(cesta);
    if (!info.exists() || !info.isFile())
        return nullptr;
    if (info.size() > Dfm::MaxVelkost) {
        spravy().chyba(QStringLiteral("Chyba v zostave %1: súbor je príliš veľký").arg(cesta));
        return nullptr;
    }
    const auto obsah = Subory::citaj(cesta);
    if (!obsah) {
        spravy().chyba(textProblemSoSuborom(cesta));
        return nullptr;
    }
    auto zostava = std::make_unique<TAlZostava>();
    try {
        zostava->zoStromu(Dfm::citaj(*obsah), info.fileName());
    } catch (const ChybaZostavy& e) {
        spravy().chyba(QStringLiteral("Chyba v zostave %1: %2").arg(cesta, e.text()));
        return nullptr;
    }
    if (!zostava->report())
        return nullptr;
    // A form-name field shows the report's title: a file name is no text for a printed page.
    for (auto* f : zostava->vsetky<TAlSysField>())
        if (f->DataType == tAlSysDataType::alr_Formname)
            f->Caption = zostava->report()->ReportTitle;
    return zostava;
}

std::unique_ptr<TAlZostava> NahrajZostavuAleboOhlas(const QString& cesta)
{
    auto z = NahrajZostavu(cesta);
    if (!z)
        spravy().chyba(textNedaSaNahratZostava(cesta));
    return z;
}
