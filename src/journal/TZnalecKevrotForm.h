#pragma once
// The main window: start-up loading with the splash, the two registers, the legal
// documents, copy mode and the orderly way out that saves the column layouts.

#include <QMainWindow>
#include <QStringList>

#include "kevrot/Udaje.h"
#include "store/Spravy.h"

class KevrotZalozka;
class ObjednavkyZalozka;
class DokumentyZalozka;
class QPushButton;
class QTabWidget;
class QMenu;

// "O programe": the version, where the data are and where the program's own files are.
QString TextOPrograme();

class TZnalecKevrotForm : public QMainWindow {
    Q_OBJECT
public:
    // `argumenty`: the program's arguments without its name. AppDir must be set.
    explicit TZnalecKevrotForm(const QStringList& argumenty, QWidget* rodic = nullptr);

    Udaje& udaje() { return m_udaje; }
    KevrotZalozka* kevrot() const { return m_kevrot; }
    ObjednavkyZalozka* objednavky() const { return m_objednavky; }
    DokumentyZalozka* dokumenty() const { return m_dokumenty; }
    bool nacitavanie() const { return m_nacitavanie; }

    // Runs once, when the window first becomes active: the current year's journal, the
    // registers filled, the saved layouts restored. The problems met since the start are
    // then shown together, each once.
    void PrvaAktivacia();
    // "Nastavenie kevrota": the settings window; on OK the settings are stored and saved.
    void Nastavenie();
    // A start without settings (a new installation): the settings window first, so that
    // the expert's fields or the languages are registered before the first entry. Called
    // before the first activation has finished, it waits for it.
    void PrvySpustenie();
    // "Zavrieť program": saves both registers' layouts, then closes.
    void ZavrietProgram();
    // The layouts into the settings record and its file; false when the save failed.
    bool UlozStavStlpcov();

    QTabWidget* PageControl1 = nullptr;
    QPushButton* btnZavriet = nullptr;
    QPushButton* btnNastavenie = nullptr;
    QPushButton* btnKopirovanie = nullptr;
    QMenu* menuAktualizacia = nullptr;

protected:
    bool event(QEvent* e) override;
    // Also runs the first activation once the window is shown, for desktops that do not
    // activate a new window by themselves.
    void showEvent(QShowEvent* e) override;

private:
    QWidget* vytvorHornyPanel();
    void vytvorMenu();
    void prepniKopirovanie();

    Udaje m_udaje;
    ZberSprav m_zberStartu;
    bool m_nacitavanie = false;
    bool m_aktivovany = false;
    bool m_startHotovy = false;
    bool m_prvySpustenieCaka = false;
    KevrotZalozka* m_kevrot = nullptr;
    ObjednavkyZalozka* m_objednavky = nullptr;
    DokumentyZalozka* m_dokumenty = nullptr;
};
