#pragma once
// "Odbor, odvetvia": the choice of one field and one branch, with the editing of the code
// lists of fields and branches. The caller saves the code lists after it closes when
// `zmenene()`, whether it closed with OK or not.

#include <QDialog>

class OdboryOdvetvia;
class QComboBox;
class QPushButton;
class QToolButton;

class TOdborOdvetvieForm : public QDialog {
    Q_OBJECT
public:
    // With a field code the field is preselected and fixed, with a branch code that branch
    // is preselected.
    TOdborOdvetvieForm(OdboryOdvetvia& ciselnik, const QString& kodOdboru = {}, const QString& kodOdvetvia = {},
                       QWidget* rodic = nullptr);

    bool zmenene() const { return m_zmenene; }
    // Valid after OK.
    QString kodOdboru() const;
    QString kodOdvetvia() const;

    void PridajOdbor();
    void EditujOdbor();
    void PridajOdvetvie();
    void EditujOdvetvie();
    void Potvrd();

    QComboBox* cmbOdbor = nullptr;
    QComboBox* cmbOdvetvie = nullptr;
    QToolButton* btnPridajOdbor = nullptr;
    QToolButton* btnEditujOdbor = nullptr;
    QToolButton* btnPridajOdvetvie = nullptr;
    QToolButton* btnEditujOdvetvie = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    void naplnOdbory(const QString& vybrany);
    void naplnOdvetvia(const QString& vybrane);

    OdboryOdvetvia& m_ciselnik;
    bool m_zmenene = false;
};

// Runs the dialog and saves the code lists when it changed them. True on OK, with the codes.
bool VyberOdborOdvetvie(QWidget* rodic, OdboryOdvetvia& ciselnik, QString& kodOdboru, QString& kodOdvetvia,
                        bool pevnyOdbor);
