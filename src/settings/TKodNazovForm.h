#pragma once
// The code-and-name form of the code lists of fields, branches and languages. Editing a
// branch of a given field, OK checks the branch numbering rule.

#include <QDialog>

class QLineEdit;
class QPushButton;

class TKodNazovForm : public QDialog {
    Q_OBJECT
public:
    // `kodOdboru` not empty: the form edits a branch of that field.
    TKodNazovForm(const QString& titulok, const QString& kod, const QString& nazov, bool kodUpravitelny,
                  const QString& kodOdboru = {}, QWidget* rodic = nullptr);

    QString kod() const;
    QString nazov() const;

    void Potvrd();

    QLineEdit* editKod = nullptr;
    QLineEdit* editNazov = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    QString m_kodOdboru;
};

// Shows the form; true on OK.
bool UpravKodNazov(QWidget* rodic, const QString& titulok, QString& kod, QString& nazov, bool kodUpravitelny,
                   const QString& kodOdboru = {});
