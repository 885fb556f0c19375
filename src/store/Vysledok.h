#pragma once
// The outcome of an operation that can fail. Functions of the program's logic return it;
// windows and commands report the reason (through the message service or on standard error).
// A failure may carry an empty reason when the system gave none: it is still a failure.

#include <QString>

#include <optional>
#include <utility>

class [[nodiscard]] Vysledok {
public:
    Vysledok() = default;  // success
    static Vysledok chyba(QString dovod)
    {
        Vysledok v;
        v.m_ok = false;
        v.m_dovod = std::move(dovod);
        return v;
    }
    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    // Why it failed; empty after success.
    const QString& dovod() const { return m_dovod; }

private:
    bool m_ok = true;
    QString m_dovod;
};

// A value, or why there is none.
template <class T>
class [[nodiscard]] HodnotaAleboChyba {
public:
    HodnotaAleboChyba(T hodnota) : m_hodnota(std::move(hodnota)) {}  // NOLINT: a value converts
    static HodnotaAleboChyba chyba(QString dovod) { return HodnotaAleboChyba(std::move(dovod), 0); }
    bool ok() const { return m_hodnota.has_value(); }
    explicit operator bool() const { return ok(); }
    // The value; only after success.
    const T& hodnota() const { return *m_hodnota; }
    // The value, or `inak` after a failure.
    T hodnotaAlebo(T inak) const { return m_hodnota ? *m_hodnota : std::move(inak); }
    // Why there is no value; empty after success.
    const QString& dovod() const { return m_dovod; }
    // The outcome without the value.
    Vysledok vysledok() const { return ok() ? Vysledok() : Vysledok::chyba(m_dovod); }

private:
    HodnotaAleboChyba(QString dovod, int) : m_dovod(std::move(dovod)) {}
    std::optional<T> m_hodnota;
    QString m_dovod;
};
