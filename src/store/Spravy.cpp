#include "Spravy.h"

#include <QDir>

namespace {
Spravy* g_spravy = nullptr;
ZaznamnikSprav& predvoleny()
{
    static ZaznamnikSprav z;
    return z;
}
}  // namespace

Spravy& spravy() { return g_spravy ? *g_spravy : predvoleny(); }
void nastavSpravy(Spravy* s) { g_spravy = s; }

PouziSpravy::PouziSpravy(Spravy* s) : m_predtym(g_spravy) { g_spravy = s; }
PouziSpravy::~PouziSpravy() { g_spravy = m_predtym; }

void ZaznamnikSprav::upozornenie(const QString& text) { spravy.append({Druh::Upozornenie, text}); }
void ZaznamnikSprav::chyba(const QString& text) { spravy.append({Druh::Chyba, text}); }
void ZaznamnikSprav::informacia(const QString& text) { spravy.append({Druh::Informacia, text}); }

bool ZaznamnikSprav::otazka(const QString& text)
{
    spravy.append({Druh::Otazka, text});
    return odpovede.isEmpty() ? predvolenaOdpoved : odpovede.takeFirst();
}

bool ZaznamnikSprav::otvorSubor(const QString& cesta)
{
    otvoreneSubory.append(cesta);
    return true;
}

QString ZaznamnikSprav::dalsiVyber() { return vybery.isEmpty() ? QString() : vybery.takeFirst(); }
QString ZaznamnikSprav::vyberSuborNaOtvorenie(const QString&, const QString&, const QString&) { return dalsiVyber(); }
QString ZaznamnikSprav::vyberSuborNaUlozenie(const QString&, const QString&, const QString&) { return dalsiVyber(); }
QString ZaznamnikSprav::vyberAdresar(const QString&, const QString&) { return dalsiVyber(); }

QStringList ZaznamnikSprav::texty() const
{
    QStringList t;
    for (const auto& s : spravy)
        t.append(s.text);
    return t;
}

void ZaznamnikSprav::vymaz()
{
    spravy.clear();
    otvoreneSubory.clear();
}

QString textProblemSoSuborom(const QString& cesta)
{
    return QStringLiteral("Problém s otvorením súboru: ") + QDir::toNativeSeparators(cesta);
}

QString textNepodariloVytvoritAdresar(const QString& cesta)
{
    return QStringLiteral("Nepodarilo sa vytvoriť adresár: ") + QDir::toNativeSeparators(cesta);
}
