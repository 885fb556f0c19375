#pragma once
// What the search filters of the two registers share: the "contains" test and the text of
// the filter box with the columns it marks.

#include <QString>
#include <QStringList>

// An exact, case-sensitive substring test; an empty part imposes nothing.
inline bool ObsahujeCast(const QString& text, const QString& cast)
{
    return cast.isEmpty() || text.contains(cast, Qt::CaseSensitive);
}

// Collects the lines of the filter box; each condition marks bit `bit` of the columns.
class TextFiltra {
public:
    void pridaj(const QString& riadok, int bit)
    {
        m_riadky << riadok;
        m_stlpce |= quint8(1u << bit);
    }
    bool aktivny() const { return !m_riadky.isEmpty(); }
    quint8 stlpce() const { return m_stlpce; }
    QString text() const { return m_riadky.join(QLatin1Char('\n')); }

private:
    QStringList m_riadky;
    quint8 m_stlpce = 0;
};

// What both filters hold beside their conditions: whether one is set, and which grid
// columns they test (bit c + 1 for column c).
struct FilterRegistra {
    bool Aktivny = false;
    quint8 Stlpce = 0;

    bool TestujeStlpec(int stlpec) const
    {
        return Aktivny && stlpec >= 0 && stlpec < 7 && (Stlpce & (1u << (stlpec + 1)));
    }

protected:
    // Takes the state of the collected lines and returns the box text.
    QString prevezmi(const TextFiltra& t)
    {
        Aktivny = t.aktivny();
        Stlpce = t.stlpce();
        return t.text();
    }
};
