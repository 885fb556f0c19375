#pragma once
// The tab "Texty" of the entry editor: the billing text and the payment text, each with its
// template list, a read-only view of its working file and the command that edits it.

#include <QWidget>

#include <functional>

#include "editor/TextyVyuctovania.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTextEdit;

class TextyTab : public QWidget {
    Q_OBJECT
public:
    explicit TextyTab(QWidget* rodic = nullptr);

    // The practitioner's kind (template folders), the document font (new and legacy texts)
    // and where the placeholders' values come from: the editor's current controls.
    void nastav(int druhZnalca, const QString& pismo, double velkost, std::function<HodnotyTextov()> hodnoty);

    // Fills both template lists: an empty first item, then the folder's templates.
    void NaplnSablony();

    // Displaying an entry: a working file is shown; otherwise a legacy text becomes one.
    void zobraz(const QString& staryTextVyuctovania, const QString& staryTextFinancnaCiastka);

    // Regenerate from the selected template; nothing while an entry is being displayed or
    // when no template file is selected.
    void VytvorTextVyuctovania();
    void VytvorTextVyplatenia();

    // A template chosen in a drop-down.
    void ZvolenaSablona(DruhTextu t);

    // "Edituj" / "Editor": the template text editor on the working file.
    void Edituj(DruhTextu t);

    // The view shows the working file again, when it exists.
    void obnov(DruhTextu t);

    QComboBox* combo(DruhTextu t) const;
    QTextEdit* pohlad(DruhTextu t) const;

    QComboBox* TextVyuctovaniaComboBox = nullptr;
    QTextEdit* TextVyuctovanie = nullptr;
    QPushButton* btnEdituj = nullptr;
    QLabel* lblTextVyplatenia = nullptr;
    QComboBox* TextVyplateniaComboBox = nullptr;
    QTextEdit* TextFinancnaCiastka = nullptr;
    QPushButton* btnEditor = nullptr;

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    bool vytvor(DruhTextu t);
    QString sablona(DruhTextu t) const;

    int m_druh = 0;
    QString m_pismo;
    double m_velkost = 0;
    std::function<HodnotyTextov()> m_hodnoty;
    bool m_zobrazuje = false;
};
