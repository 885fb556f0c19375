#pragma once
// The payments tab's logic: the payment mode, the payment list, the totals, the paid flag
// and the awarded amounts that follow from them.

#include <QList>
#include <QString>

#include "store/Vyplatenie.h"
#include "store/ZnalKevrotZaznam.h"

enum class RezimVyplatenia { Ziadny, Cela, PoCastiach };

class VyplatenieZaznamu {
public:
    // Shows an entry: one payment of the billed total is "celá časť", other payments are
    // "po častiach", none is no mode. The awarded amounts are not recomputed here.
    void Zobraz(const TZnalKevrotZaznam& z, const QList<TVyplatenie>& vyplatenia, bool novy);

    // The billed amounts; the billed total B is their sum.
    void NastavUctovane(double odmena, double vydavky);
    double Celkom() const { return m_uctovanaOdmena + m_uctovaneVydavky; }

    RezimVyplatenia Rezim() const { return m_rezim; }
    // An existing entry without payments shows the controls of both modes until one is chosen.
    bool ObaRezimyViditelne() const { return m_obaViditelne; }
    // A change of mode by the user: the list is emptied; "celá časť" gets one payment of
    // the billed total; then the awarded amounts are recomputed.
    void ZmenRezim(RezimVyplatenia rezim);

    const QList<TVyplatenie>& Vyplatenia() const { return m_vyplatenia; }
    void Pridaj(double datum, double suma);
    bool Oprav(int index, double datum, double suma);
    bool Zmaz(int index);

    // Sum of the payments and what remains of the billed total (compared in cents).
    double Zaplatene() const;
    double Zostatok() const { return Celkom() - Zaplatene(); }
    bool ZostatokKladny() const;
    bool ZostatokNulovy() const;

    // The information line: "vyplatené" or nothing.
    QString Informacia() const { return m_informacia; }
    // The marks "časť uhradená" beside the awarded amounts.
    bool CastUhradena() const { return m_castUhradena; }
    double PriznanaOdmena() const { return m_priznanaOdmena; }
    double PriznaneVydavky() const { return m_priznaneVydavky; }
    // Amounts typed into "Priznaná odmena:" and "Priznané výdavky:" (kept until the next
    // recomputation).
    void NastavPriznane(double odmena, double vydavky);
    bool Vyplatene() const { return m_vyplatene; }

    // Payments: no payments zero the awarded amounts; a remainder of exactly 0 awards the
    // billed amounts; any other remainder keeps them and shows the marks.
    void PrepocitajPriznane();

    // "OK" of the editor: the list and the paid flag into the entry (the awarded amounts
    // come from their edits, which show the recomputed values).
    // "celá časť" stores one payment of the billed total on `datumCelej`; no mode stores
    // none; "po častiach" stores the list and marks the entry paid when nothing remains.
    void Uloz(TZnalKevrotZaznam& z, QList<TVyplatenie>& vyplatenia, double datumCelej);

private:
    void obnovInformaciu();

    RezimVyplatenia m_rezim = RezimVyplatenia::Ziadny;
    bool m_obaViditelne = false;
    QList<TVyplatenie> m_vyplatenia;
    double m_uctovanaOdmena = 0, m_uctovaneVydavky = 0;
    double m_priznanaOdmena = 0, m_priznaneVydavky = 0;
    bool m_vyplatene = false;
    bool m_castUhradena = false;
    QString m_informacia;
};
