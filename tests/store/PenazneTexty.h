#pragma once
// Helpers of the money tests: "~" stands for the no-break space in expected texts, and
// QString is printed readably when an expectation fails.

#include <QString>

#include <ostream>

inline QString nb(const char* s)
{
    QString t = QString::fromUtf8(s);
    t.replace(u'~', u'\u00A0');
    return t;
}

inline void PrintTo(const QString& s, std::ostream* os)
{
    QString t = s;
    t.replace(u'\u00A0', u'~');
    *os << '"' << t.toStdString() << '"';
}
