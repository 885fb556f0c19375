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
