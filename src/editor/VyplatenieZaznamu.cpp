#include "VyplatenieZaznamu.h"

#include <cmath>

namespace {
const QString kVyplatene = QStringLiteral("vyplatené");

// Amounts are compared in whole cents: sums of doubles are never exact.
qint64 centy(double suma) { return std::isfinite(suma) ? qint64(std::llround(suma * 100.0)) : 0; }
}  // namespace

void VyplatenieZaznamu::Zobraz(const TZnalKevrotZaznam& z, const QList<TVyplatenie>& vyplatenia, bool novy)
{
    m_uctovanaOdmena = z.UctovanaOdmena;
    m_uctovaneVydavky = z.UctovaneVydavky;
    m_priznanaOdmena = z.PriznanaOdmena;
    m_priznaneVydavky = z.PriznaneVydavky;
    m_vyplatene = z.Vyplatene;
    m_vyplatenia = vyplatenia;
    m_obaViditelne = false;
    m_informacia.clear();
    m_castUhradena = false;
    if (m_vyplatenia.isEmpty()) {
        m_rezim = RezimVyplatenia::Ziadny;
        m_obaViditelne = !novy;
    } else if (m_vyplatenia.size() == 1 && centy(m_vyplatenia[0].Suma) == centy(Celkom())) {
        m_rezim = RezimVyplatenia::Cela;
    } else {
        m_rezim = RezimVyplatenia::PoCastiach;
        m_informacia = m_vyplatene ? kVyplatene : QString();
        m_castUhradena = !ZostatokNulovy();
    }
}

void VyplatenieZaznamu::NastavUctovane(double odmena, double vydavky)
{
    m_uctovanaOdmena = odmena;
    m_uctovaneVydavky = vydavky;
}

void VyplatenieZaznamu::ZmenRezim(RezimVyplatenia rezim)
{
    m_rezim = rezim;
    m_obaViditelne = false;
    m_vyplatenia.clear();
    m_informacia.clear();
    if (rezim == RezimVyplatenia::Cela) {
        TVyplatenie v;
        v.Suma = Celkom();
        m_vyplatenia.append(v);
    } else if (rezim == RezimVyplatenia::PoCastiach && m_vyplatene) {
        m_informacia = kVyplatene;
    }
    PrepocitajPriznane();
}

void VyplatenieZaznamu::Pridaj(double datum, double suma)
{
    TVyplatenie v;
    v.Datum = datum;
    v.Suma = suma;
    m_vyplatenia.append(v);
    obnovInformaciu();
    PrepocitajPriznane();
}

bool VyplatenieZaznamu::Oprav(int index, double datum, double suma)
{
    if (index < 0 || index >= m_vyplatenia.size())
        return false;
    m_vyplatenia[index].Datum = datum;
    m_vyplatenia[index].Suma = suma;
    obnovInformaciu();
    PrepocitajPriznane();
    return true;
}

bool VyplatenieZaznamu::Zmaz(int index)
{
    if (index < 0 || index >= m_vyplatenia.size())
        return false;
    m_vyplatenia.removeAt(index);
    obnovInformaciu();
    PrepocitajPriznane();
    return true;
}

double VyplatenieZaznamu::Zaplatene() const
{
    double p = 0;
    for (const auto& v : m_vyplatenia)
        p += v.Suma;
    return p;
}

bool VyplatenieZaznamu::ZostatokKladny() const { return centy(Celkom()) - centy(Zaplatene()) > 0; }
bool VyplatenieZaznamu::ZostatokNulovy() const { return centy(Celkom()) == centy(Zaplatene()); }

void VyplatenieZaznamu::obnovInformaciu()
{
    if (m_vyplatenia.isEmpty() || ZostatokKladny())
        m_informacia.clear();
    else
        m_informacia = kVyplatene;
}

void VyplatenieZaznamu::NastavPriznane(double odmena, double vydavky)
{
    m_priznanaOdmena = odmena;
    m_priznaneVydavky = vydavky;
}

void VyplatenieZaznamu::PrepocitajPriznane()
{
    if (m_vyplatenia.isEmpty()) {
        m_priznanaOdmena = 0;
        m_priznaneVydavky = 0;
        m_castUhradena = false;
        return;
    }
    if (!ZostatokNulovy()) {
        m_castUhradena = true;
        return;
    }
    m_priznanaOdmena = m_uctovanaOdmena;
    m_priznaneVydavky = m_uctovaneVydavky;
    m_castUhradena = false;
}

void VyplatenieZaznamu::Uloz(TZnalKevrotZaznam& z, QList<TVyplatenie>& vyplatenia, double datumCelej)
{
    switch (m_rezim) {
    case RezimVyplatenia::Cela: {
        // The stored payment keeps what the record held (its advance flag, padding).
        TVyplatenie v = m_vyplatenia.isEmpty() ? TVyplatenie() : m_vyplatenia.first();
        v.Datum = datumCelej;
        v.Suma = Celkom();
        m_vyplatenia = {v};
        m_vyplatene = true;
        break;
    }
    case RezimVyplatenia::Ziadny:
        m_vyplatenia.clear();
        m_vyplatene = false;
        break;
    case RezimVyplatenia::PoCastiach:
        m_vyplatene = !m_vyplatenia.isEmpty() && !ZostatokKladny();
        break;
    }
    m_informacia = m_vyplatene ? kVyplatene : QString();
    vyplatenia = m_vyplatenia;
    z.Vyplatene = m_vyplatene;
}
