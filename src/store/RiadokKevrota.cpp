#include "RiadokKevrota.h"

#include "Win1250.h"
#include "ZnalKevrotZaznam.h"

#include <cstdlib>

namespace {

using T = TZnalKevrotZaznam;

// The record's fields behind the texts, in the order of RiadokKevrota::Text.
const std::array<QString T::*, RiadokKevrota::PocetTextov> kTexty = {
    &T::Meno, &T::Adresa, &T::CisloObjednavky, &T::DruhUkonu, &T::TypPosudku, &T::Predmet, &T::Ucel,
    &T::UdajeOdmena, &T::DatumyVyplatenia, &T::Poznamka, &T::Odbor, &T::Odvetvie,
};

template <class M>
const Pole<T>& pole(M T::*clen)
{
    for (const auto& p : T::rozlozenie())
        if (const auto* m = std::get_if<M T::*>(&p.clen); m && *m == clen)
            return p;
    std::abort();  // every field asked for is in the table
}

// Where the row's fields lie in a record image, looked up once in the record's table.
struct Miesta {
    int cislo, rok, statny, pocetVyplateni;
    int vyziadanie, vykonanie, odmena, vydavky, priznanaOdmena, priznaneVydavky;
    int vyplatene, doZoznamu;
    std::array<const Pole<T>*, RiadokKevrota::PocetTextov> texty;
};

const Miesta& miesta()
{
    static const Miesta m = [] {
        Miesta v{pole(&T::PoradoveCislo).offset, pole(&T::Rok).offset, pole(&T::StatnyOrgan).offset,
                 pole(&T::PocetVyplateni).offset, pole(&T::DatumVyziadania).offset, pole(&T::DatumVykonania).offset,
                 pole(&T::UctovanaOdmena).offset, pole(&T::UctovaneVydavky).offset, pole(&T::PriznanaOdmena).offset,
                 pole(&T::PriznaneVydavky).offset, pole(&T::Vyplatene).offset, pole(&T::DoZoznamuVyuctovani).offset,
                 {}};
        for (size_t i = 0; i < kTexty.size(); ++i)
            v.texty[i] = &pole(kTexty[i]);
        return v;
    }();
    return m;
}

}  // namespace

std::string_view RiadokKevrota::bajty(Text t) const
{
    if (m_bajty.isEmpty())
        return {};
    return {m_bajty.constData() + m_hranice[t], size_t(m_hranice[t + 1] - m_hranice[t])};
}

QString RiadokKevrota::text(Text t) const
{
    const auto b = bajty(t);
    return b.empty() ? QString() : Win1250::dekoduj(b.data(), qsizetype(b.size()));
}

std::string_view RiadokKevrota::meno() const
{
    if (m_bajty.isEmpty())
        return {};
    return {m_bajty.constData() + m_hranice[PocetTextov], size_t(m_bajty.size() - m_hranice[PocetTextov])};
}

QString RiadokKevrota::Subor() const
{
    const auto m = meno();
    if (m.empty())
        return {};
    return m_adresar + u'/' + QString::fromUtf8(m.data(), qsizetype(m.size()));
}

void RiadokKevrota::nastavTexty(const std::array<std::string_view, PocetTextov>& texty, std::string_view meno)
{
    size_t spolu = meno.size();
    for (const auto& t : texty)
        spolu += t.size();
    // Room for a file name, so that the load sets it in place.
    QByteArray b;
    b.reserve(qsizetype(spolu + (meno.empty() ? 24 : 0)));
    b.resize(qsizetype(spolu));
    m_bajty = std::move(b);
    char* d = m_bajty.data();
    quint16 h = 0;
    for (size_t i = 0; i < texty.size(); ++i) {
        m_hranice[i] = h;
        std::memcpy(d + h, texty[i].data(), texty[i].size());
        h = quint16(h + texty[i].size());
    }
    m_hranice[PocetTextov] = h;
    std::memcpy(d + h, meno.data(), meno.size());
}

void RiadokKevrota::nastavSubor(const QString& adresar, QStringView meno)
{
    // The name follows the texts: it replaces the old one, in the block's room when it fits.
    m_bajty.truncate(m_hranice[PocetTextov]);
    m_bajty.append(meno.toUtf8());
    m_adresar = meno.isEmpty() ? QString() : adresar;
}

void RiadokKevrota::nastavSubor(const QString& cesta)
{
    const qsizetype lomka = cesta.lastIndexOf(u'/');
    nastavSubor(cesta.left(std::max<qsizetype>(lomka, 0)), QStringView(cesta).mid(lomka + 1));
}

void RiadokKevrota::nastavDatumyVyplatenia(const QString& datumy)
{
    const QByteArray b = Win1250::koduj(datumy).left(miesta().texty[tDatumyVyplatenia]->kapacita);
    std::array<std::string_view, PocetTextov> texty;
    for (int i = 0; i < PocetTextov; ++i)
        texty[size_t(i)] = bajty(Text(i));
    texty[tDatumyVyplatenia] = {b.constData(), size_t(b.size())};
    const QByteArray stare = m_bajty;
    const QByteArray m(meno().data(), qsizetype(meno().size()));
    nastavTexty(texty, {m.constData(), size_t(m.size())});
}

RiadokKevrota RiadokKevrota::zObrazu(const char* o)
{
    namespace d = rozlozenie_detail;
    const Miesta& m = miesta();
    RiadokKevrota r;
    r.PoradoveCislo = d::citajInt32(o + m.cislo);
    r.Rok = d::citajInt32(o + m.rok);
    r.StatnyOrgan = d::citajInt32(o + m.statny);
    r.PocetVyplateni = d::citajInt32(o + m.pocetVyplateni);
    r.DatumVyziadania = d::citajDouble(o + m.vyziadanie);
    r.DatumVykonania = d::citajDouble(o + m.vykonanie);
    r.UctovanaOdmena = d::citajDouble(o + m.odmena);
    r.UctovaneVydavky = d::citajDouble(o + m.vydavky);
    r.PriznanaOdmena = d::citajDouble(o + m.priznanaOdmena);
    r.PriznaneVydavky = d::citajDouble(o + m.priznaneVydavky);
    r.Vyplatene = o[m.vyplatene] != 0;
    r.DoZoznamuVyuctovani = o[m.doZoznamu] != 0;
    std::array<std::string_view, PocetTextov> texty;
    for (size_t i = 0; i < texty.size(); ++i) {
        const Pole<T>& p = *m.texty[i];
        // A length byte above the capacity is read as the capacity.
        texty[i] = {o + p.offset + 1, size_t(std::min<int>(quint8(o[p.offset]), p.kapacita))};
    }
    r.nastavTexty(texty, {});
    return r;
}

RiadokKevrota RiadokKevrota::zoZaznamu(const TZnalKevrotZaznam& z)
{
    const Miesta& m = miesta();
    RiadokKevrota r;
    r.PoradoveCislo = z.PoradoveCislo;
    r.Rok = z.Rok;
    r.StatnyOrgan = z.StatnyOrgan;
    r.PocetVyplateni = z.PocetVyplateni;
    r.DatumVyziadania = z.DatumVyziadania;
    r.DatumVykonania = z.DatumVykonania;
    r.UctovanaOdmena = z.UctovanaOdmena;
    r.UctovaneVydavky = z.UctovaneVydavky;
    r.PriznanaOdmena = z.PriznanaOdmena;
    r.PriznaneVydavky = z.PriznaneVydavky;
    r.Vyplatene = z.Vyplatene;
    r.DoZoznamuVyuctovani = z.DoZoznamuVyuctovani;
    std::array<QByteArray, PocetTextov> kody;
    std::array<std::string_view, PocetTextov> texty;
    for (size_t i = 0; i < texty.size(); ++i) {
        kody[i] = Win1250::koduj(z.*kTexty[i]).left(m.texty[i]->kapacita);
        texty[i] = {kody[i].constData(), size_t(kody[i].size())};
    }
    r.nastavTexty(texty, {});
    if (!z.Subor.isEmpty())
        r.nastavSubor(z.Subor);
    return r;
}
