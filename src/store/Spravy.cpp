#include "Spravy.h"

#include "Cesty.h"

#include <QDir>

#include <utility>

namespace {
Spravy* g_spravy = nullptr;
ZaznamnikSprav& predvoleny()
{
    static ZaznamnikSprav z;
    return z;
}
}  // namespace

Spravy& spravy() { return g_spravy ? *g_spravy : predvoleny(); }

bool ohlas(const Vysledok& v)
{
    if (!v && !v.dovod().isEmpty())
        spravy().chyba(v.dovod());
    return v.ok();
}
void nastavSpravy(Spravy* s) { g_spravy = s; }

PouziSpravy::PouziSpravy(Spravy* s) : m_predtym(g_spravy) { g_spravy = s; }
PouziSpravy::~PouziSpravy() { g_spravy = m_predtym; }

void Spravy::zhrnutie(const QList<Sprava>& zozbierane)
{
    for (const Sprava& s : zozbierane) {
        switch (s.druh) {
        case Druh::Upozornenie: upozornenie(s.text); break;
        case Druh::Informacia: informacia(s.text); break;
        default: chyba(s.text); break;
        }
    }
}

void ZaznamnikSprav::zhrnutie(const QList<Sprava>& zozbierane)
{
    zhrnutia.append(zozbierane);
    Spravy::zhrnutie(zozbierane);
}

ZberSprav::~ZberSprav() { skonci(); }

void ZberSprav::zacni()
{
    if (m_zapnuty)
        return;
    m_predtym = g_spravy;
    g_spravy = this;
    m_zapnuty = true;
}

void ZberSprav::skonci()
{
    if (!m_zapnuty)
        return;
    g_spravy = m_predtym;
    m_zapnuty = false;
}

Spravy& ZberSprav::ciel() const { return m_predtym ? *m_predtym : predvoleny(); }

void ZberSprav::odovzdaj()
{
    const QList<Sprava> s = std::exchange(m_zozbierane, {});
    Spravy& sluzba = m_zapnuty ? ciel() : spravy();
    if (s.size() > 1)
        sluzba.zhrnutie(s);
    else
        sluzba.Spravy::zhrnutie(s);
}

void ZberSprav::pridaj(Druh druh, const QString& text)
{
    const Sprava s{druh, text};
    if (!m_zozbierane.contains(s))
        m_zozbierane.append(s);
}

void ZberSprav::upozornenie(const QString& text) { pridaj(Druh::Upozornenie, text); }
void ZberSprav::chyba(const QString& text) { pridaj(Druh::Chyba, text); }
void ZberSprav::informacia(const QString& text) { pridaj(Druh::Informacia, text); }
bool ZberSprav::otazka(const QString& text) { return ciel().otazka(text); }
bool ZberSprav::otvorSubor(const QString& cesta) { return ciel().otvorSubor(cesta); }
QString ZberSprav::vyberSuborNaOtvorenie(const QString& titulok, const QString& adresar, const QString& filter)
{
    return ciel().vyberSuborNaOtvorenie(titulok, adresar, filter);
}
QString ZberSprav::vyberSuborNaUlozenie(const QString& titulok, const QString& adresar, const QString& filter)
{
    return ciel().vyberSuborNaUlozenie(titulok, adresar, filter);
}
QString ZberSprav::vyberAdresar(const QString& titulok, const QString& adresar)
{
    return ciel().vyberAdresar(titulok, adresar);
}

ProblemSoSuborom RozdelSpravu(const QString& text)
{
    const QString koren = QDir::toNativeSeparators(Cesty::AppDir());
    const qsizetype i = koren.isEmpty() ? -1 : text.indexOf(koren);
    if (i < 0)
        return {{}, text.trimmed()};
    qsizetype koniec = text.indexOf(QLatin1Char('\n'), i);
    if (koniec < 0)
        koniec = text.size();
    QString subor = text.mid(i + koren.size(), koniec - i - koren.size());
    while (subor.startsWith(QDir::separator()))
        subor.remove(0, 1);
    QString problem = (text.left(i) + text.mid(koniec)).trimmed();
    while (problem.endsWith(QLatin1Char(':')))
        problem.chop(1);
    return {subor.isEmpty() ? QStringLiteral(".") : subor, problem};
}

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
