#pragma once
#include <QString>
#include <QStringList>

#include "Vysledok.h"

// The one way logic talks to the user: messages, questions, opening a file with the
// desktop's default application, choosing files and directories. The program installs a
// message-box implementation; tests and the command-line tool install a recorder.
class Spravy {
public:
    enum class Druh { Upozornenie, Chyba, Informacia, Otazka };
    struct Sprava {
        Druh druh;
        QString text;
        bool operator==(const Sprava&) const = default;
    };

    virtual ~Spravy() = default;
    virtual void upozornenie(const QString& text) = 0;
    virtual void chyba(const QString& text) = 0;
    virtual void informacia(const QString& text) = 0;
    // Yes/No question; true for Yes.
    virtual bool otazka(const QString& text) = 0;
    // Opens a file with the desktop's default application; false when it could not.
    virtual bool otvorSubor(const QString& cesta) = 0;
    // Empty string when the user cancels.
    virtual QString vyberSuborNaOtvorenie(const QString& titulok, const QString& adresar,
                                          const QString& filter) = 0;
    virtual QString vyberSuborNaUlozenie(const QString& titulok, const QString& adresar,
                                         const QString& filter) = 0;
    virtual QString vyberAdresar(const QString& titulok, const QString& adresar) = 0;
    // Several messages gathered while the program loaded, shown together. Without a
    // window of its own, each message is delivered by itself.
    virtual void zhrnutie(const QList<Sprava>& zozbierane);
};

// The installed service. Without an installed one, a recorder that answers "No" is used.
Spravy& spravy();
void nastavSpravy(Spravy* s);
// Reports a failure's reason as an error; returns whether it succeeded.
bool ohlas(const Vysledok& v);

// Keeps every message in order and answers questions and choices from a script.
class ZaznamnikSprav : public Spravy {
public:
    void upozornenie(const QString& text) override;
    void chyba(const QString& text) override;
    void informacia(const QString& text) override;
    bool otazka(const QString& text) override;
    bool otvorSubor(const QString& cesta) override;
    QString vyberSuborNaOtvorenie(const QString&, const QString&, const QString&) override;
    QString vyberSuborNaUlozenie(const QString&, const QString&, const QString&) override;
    QString vyberAdresar(const QString&, const QString&) override;
    // Records the summary and then each of its messages.
    void zhrnutie(const QList<Sprava>& zozbierane) override;

    QList<Sprava> spravy;
    QList<QList<Sprava>> zhrnutia;
    QStringList otvoreneSubory;
    // Answers to questions, used from the front; when empty, `predvolenaOdpoved`.
    QList<bool> odpovede;
    bool predvolenaOdpoved = false;
    // Answers to file and directory choices, used from the front; empty = cancelled.
    QStringList vybery;

    QStringList texty() const;
    void vymaz();

private:
    QString dalsiVyber();
};

// Installs a service for the lifetime of the object and restores the previous one.
class PouziSpravy {
public:
    explicit PouziSpravy(Spravy* s);
    ~PouziSpravy();
    PouziSpravy(const PouziSpravy&) = delete;
    PouziSpravy& operator=(const PouziSpravy&) = delete;

private:
    Spravy* m_predtym;
};

// Gathers the messages (not the questions) while it is installed, once each, and hands
// them on together; questions, files and choices go straight to the service it replaced.
class ZberSprav : public Spravy {
public:
    ~ZberSprav() override;
    // Installs the gatherer in place of the current service; `skonci` restores that one.
    void zacni();
    void skonci();
    // Delivers what was gathered to the current service: one message as it came, more as
    // one summary; then forgets them.
    void odovzdaj();
    const QList<Sprava>& zozbierane() const { return m_zozbierane; }

    void upozornenie(const QString& text) override;
    void chyba(const QString& text) override;
    void informacia(const QString& text) override;
    bool otazka(const QString& text) override;
    bool otvorSubor(const QString& cesta) override;
    QString vyberSuborNaOtvorenie(const QString& titulok, const QString& adresar, const QString& filter) override;
    QString vyberSuborNaUlozenie(const QString& titulok, const QString& adresar, const QString& filter) override;
    QString vyberAdresar(const QString& titulok, const QString& adresar) override;

private:
    void pridaj(Druh druh, const QString& text);
    Spravy& ciel() const;

    QList<Sprava> m_zozbierane;
    Spravy* m_predtym = nullptr;
    bool m_zapnuty = false;
};

// A gathered message split into the file it names (relative to AppDir, empty when it
// names none) and the problem.
struct ProblemSoSuborom {
    QString subor;
    QString problem;
};
ProblemSoSuborom RozdelSpravu(const QString& text);

// The system's texts used by several loaders.
QString textProblemSoSuborom(const QString& cesta);   // "Problém s otvorením súboru: " + path
QString textNepodariloVytvoritAdresar(const QString& cesta);
