#include "Prenos.h"

#include "store/Cesty.h"
#include "store/Subory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

Prenos::Prenos(const QDateTime& cas)
    : m_zaloha(QStringLiteral("Zaloha/prenos-") + cas.toString(QStringLiteral("yyyy-MM-dd HHmmss")))
{
}

QString Prenos::adresarZalohy() const { return Cesty::cesta(m_zaloha); }

bool Prenos::zalohuj(const QString& ciel, const QString& cielRel)
{
    const QString kam = Cesty::cesta(m_zaloha + QLatin1Char('/') + cielRel);
    if (!QDir().mkpath(QFileInfo(kam).absolutePath()) || !QFile::rename(ciel, kam)) {
        chyby << cielRel + QStringLiteral(": súbor sa nedá odložiť do zálohy, nebol prepísaný");
        return false;
    }
    ++zalohovane;
    return true;
}

bool Prenos::zapis(const QString& cielRel, const QByteArray& obsah, const QString& popis)
{
    const QString ciel = Cesty::cesta(cielRel);
    if (QFileInfo(ciel).isFile()) {
        const auto stary = Subory::citaj(ciel);
        if (stary && *stary == obsah) {
            ++nezmenene;
            return true;
        }
        if (!zalohuj(ciel, cielRel))
            return false;
    }
    QString dovod;
    if (!QDir().mkpath(QFileInfo(ciel).absolutePath()) || !Subory::ulozAtomicky(ciel, obsah, &dovod)) {
        chyby << (popis.isEmpty() ? cielRel : popis) + QStringLiteral(": ") +
                     (dovod.isEmpty() ? QStringLiteral("adresár sa nedá vytvoriť") : dovod);
        return false;
    }
    ++skopirovane;
    return true;
}

bool Prenos::kopiruj(const QString& zdroj, const QString& cielRel)
{
    const auto obsah = Subory::citaj(zdroj);
    if (!obsah) {
        chyby << zdroj + QStringLiteral(": súbor sa nedá prečítať");
        return false;
    }
    return zapis(cielRel, *obsah, zdroj);
}

void Prenos::kopirujPriecinok(const QString& zdroj, const QString& cielRel, const QString& maska)
{
    if (zdroj.isEmpty() || !QFileInfo(zdroj).isDir())
        return;
    const QString ciel = Cesty::cesta(cielRel);
    QDir d(zdroj);
    const QStringList filtre = maska.isEmpty() ? QStringList() : QStringList{maska};
    for (const QFileInfo& f : d.entryInfoList(filtre, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase)) {
        QString meno = QFileInfo(NajdiBezOhladuNaVelkost(ciel, f.fileName())).fileName();
        if (meno.isEmpty())
            meno = f.fileName();
        kopiruj(f.filePath(), cielRel + QLatin1Char('/') + meno);
    }
}

QString Prenos::Zhrnutie(const QString& uvod) const
{
    QString t = uvod;
    if (zalohovane > 0)
        t += QStringLiteral("\nSúbory tejto inštalácie, ktoré prenos nahradil (%1), sú uložené v adresári %2.")
                 .arg(zalohovane)
                 .arg(QDir::toNativeSeparators(adresarZalohy()));
    if (!chyby.isEmpty())
        t += QStringLiteral("\nNepodarilo sa preniesť (%1):\n").arg(chyby.size()) + chyby.join(QLatin1Char('\n'));
    return t;
}

QString NajdiBezOhladuNaVelkost(const QString& adresar, const QString& meno)
{
    const QDir d(adresar);
    if (adresar.isEmpty() || !d.exists())
        return {};
    if (QFileInfo::exists(d.filePath(meno)))
        return d.filePath(meno);
    for (const QString& m : d.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        if (m.compare(meno, Qt::CaseInsensitive) == 0)
            return d.filePath(m);
    return {};
}

QString NajdiCestu(const QString& adresar, const QString& relativna)
{
    QString c = adresar;
    for (const QString& cast : relativna.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        c = NajdiBezOhladuNaVelkost(c, cast);
        if (c.isEmpty())
            return {};
    }
    return c;
}
