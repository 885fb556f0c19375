#pragma once
// "Jazyk": the choice of one language, with the editing of the language list. The caller
// saves the list after it closes when `zmeneny()`, whether it closed with OK or not.

#include <QDialog>

class Jazyky;
class QComboBox;
class QPushButton;
class QToolButton;

class TJazykForm : public QDialog {
    Q_OBJECT
public:
    TJazykForm(Jazyky& ciselnik, const QString& kod = {}, QWidget* rodic = nullptr);

    bool zmeneny() const { return m_zmeneny; }
    QString kod() const;

    void Pridaj();
    void Edituj();
    void Potvrd();

    QComboBox* cmbJazyk = nullptr;
    QToolButton* btnPridaj = nullptr;
    QToolButton* btnEdituj = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    void napln(const QString& vybrany);

    Jazyky& m_ciselnik;
    bool m_zmeneny = false;
};

// Runs the dialog and saves the language list when it changed it. True on OK, with the code.
bool VyberJazyk(QWidget* rodic, Jazyky& ciselnik, QString& kod);
