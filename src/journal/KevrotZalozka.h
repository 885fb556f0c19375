#pragma once
// The tab "Znalecký kevrot": the journal grid with its side panel and detail panel.

#include "KevrotTabulka.h"
#include "RezimKopirovania.h"
#include "ZalozkaRegistra.h"

class Udaje;
class QFrame;
class QLabel;
class QMenu;
class TVypisKevrotForm;

class KevrotZalozka : public ZalozkaRegistra {
    Q_OBJECT
public:
    // `nacitavanie`: the main window's loading guard.
    KevrotZalozka(Udaje& udaje, const bool& nacitavanie, QWidget* rodic = nullptr);

    KevrotTabulka& tabulka() { return *m_tabulka; }
    RezimKopirovania& kopirovanie() { return m_kopirovanie; }

    // The commands, for the buttons and for tests.
    void Pridaj() override;
    void Zmaz() override;
    void VytvorKopiu();
    void Uprav(int riadok) override;
    void Vyhladaj() override;
    void VytlacObrazovka();
    void VytlacExcel();
    void StavFinancii();
    // "Výpis z kevrota": the extract window of the year shown, modal; it frees itself.
    TVypisKevrotForm* VypisZKevrota();
    void VycistiFilter() override;
    void PrepniKopirovanie();
    void Kopiruj();
    void Vloz();
    void UkazDetail(int riadok, const QPoint& kde);
    void SkryDetail();

    QRadioButton* rbNevyplatene = nullptr;
    QRadioButton* rbVyplatene = nullptr;
    QRadioButton* rbVsetky = nullptr;
    QPushButton* btnVytvorKopiu = nullptr;
    QPushButton* btnVytlacObrazovka = nullptr;
    QPushButton* btnVytlacExcel = nullptr;
    QPushButton* btnVypis = nullptr;
    QPushButton* btnStavFinancii = nullptr;
    QFrame* DetailPanel = nullptr;
    QMenu* PopupMenu = nullptr;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void nacitajRok(int rok) override;
    void nastavStav(int stav) override;

private:
    struct PismoTabulky pismoTabulky();
    void vytvorDetailPanel();
    void nastavVyberMriezky();
    // After the list changed or was reloaded: sorted as the header shows, the entry of that
    // year and number selected, or the row `nahradnyRiadok` when it is gone.
    void zoradAVyber(int rok, int cislo, int nahradnyRiadok);

    Udaje& m_udaje;
    RezimKopirovania m_kopirovanie;
    KevrotTabulka* m_tabulka;
    QList<QLabel*> m_detailHodnoty;
};
