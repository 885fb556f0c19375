#pragma once
#include <QString>
#include <QStringList>

// The one way logic talks to the user: messages, questions, opening a file with the
// desktop's default application, choosing files and directories. The program installs a
// message-box implementation; tests and the command-line tool install a recorder.
class Spravy {
public:
    enum class Druh { Upozornenie, Chyba, Informacia, Otazka };

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
};

// The installed service. Without an installed one, a recorder that answers "No" is used.
Spravy& spravy();
void nastavSpravy(Spravy* s);

// Keeps every message in order and answers questions and choices from a script.
class ZaznamnikSprav : public Spravy {
public:
    struct Sprava {
        Druh druh;
        QString text;
    };

    void upozornenie(const QString& text) override;
    void chyba(const QString& text) override;
    void informacia(const QString& text) override;
    bool otazka(const QString& text) override;
    bool otvorSubor(const QString& cesta) override;
    QString vyberSuborNaOtvorenie(const QString&, const QString&, const QString&) override;
    QString vyberSuborNaUlozenie(const QString&, const QString&, const QString&) override;
    QString vyberAdresar(const QString&, const QString&) override;

    QList<Sprava> spravy;
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

// The system's texts used by several loaders.
QString textProblemSoSuborom(const QString& cesta);   // "Problém s otvorením súboru: " + path
QString textNepodariloVytvoritAdresar(const QString& cesta);
