#pragma once
// A free-text drop-down backed by a user text list, with its "+" and list buttons.

#include <QWidget>

#include "widgets/TextovyZoznam.h"

class QComboBox;
class QToolButton;

class PoleTextovehoZoznamu : public QWidget {
    Q_OBJECT
public:
    // `vstavane`: the items offered while the list file does not exist.
    PoleTextovehoZoznamu(const QString& nazovSuboru, const QStringList& vstavane, int maxDlzka,
                         QWidget* rodic = nullptr);

    // Reads the list file (when it exists) into the items.
    void nacitaj();

    QString text() const;
    void nastavText(const QString& text);
    QStringList polozky() const;

    // "+": adds the current text to the list and writes the file.
    void pridaj();
    // The list button: edits the items in the list window and writes them on "OK".
    void upravZoznam();

    QComboBox* Combo = nullptr;
    QToolButton* btnPlus = nullptr;
    QToolButton* btnZoznam = nullptr;

private:
    void obnovPolozky();

    TextovyZoznam m_zoznam;
};
