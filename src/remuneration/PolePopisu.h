#pragma once
// A description drop-down of the item dialogs with its two list buttons: "+" adds the text
// to the description list and saves it; the list button edits the list in the user text
// list editor.

#include <QWidget>

class QComboBox;
class QToolButton;

class PolePopisu : public QWidget {
    Q_OBJECT
public:
    PolePopisu(int kodZoznamu, const QString& napovedaPridania, QWidget* rodic = nullptr);

    QString text() const;
    void nastavText(const QString& text);

    // The commands of the two buttons.
    void PridajDoZoznamu();
    void UpravZoznam();

    QComboBox* Combo = nullptr;
    QToolButton* btnPridaj = nullptr;
    QToolButton* btnZoznam = nullptr;

private:
    void napln(const QStringList& popisy);

    int m_kod;
    QStringList m_popisy;
};

// Leaving a box of a positive number (empty = 0): the value taken and true, or, after the
// warning, the box emptied and focused, the value kept and false.
class QLineEdit;
bool OpustilKladne(QLineEdit* pole, double& hodnota, const char* nieKladne);

// The OK / second-button row of a dialog; the second button cancels.
class QDialog;
class QPushButton;
class QHBoxLayout;
QHBoxLayout* riadokTlacidiel(QDialog* d, QPushButton*& ok, QPushButton*& storno,
                             const QString& textStorno = QStringLiteral("Storno"));
