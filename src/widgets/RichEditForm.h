#pragma once
// TRichEditForm ("Preddefinovaný text"): the small rich-text editor of the texts that go
// into documents. The caller sets the target file, the caption and the placeholder panel;
// "Vlož" writes the text to the target file (or deletes it when the text is empty).

#include <QDialog>

#include "RichEditLogika.h"

class QAction;
class QTextCharFormat;
class QComboBox;
class QFontComboBox;
class QLabel;
class QSpinBox;
class QTextEdit;
class QToolBar;
class QWidget;

class TRichEditForm : public QDialog {
    Q_OBJECT
public:
    explicit TRichEditForm(QWidget* parent = nullptr);

    // Loads the target file when it exists, else an empty text in the basic font.
    void nastavCiel(const QString& ciel, const QString& titulok, RichEdit::Panel panel, bool sNastrojmi,
                    const QString& pismo, double velkost);

    QTextEdit* editor() const { return m_text; }
    const QString& aktualnySubor() const { return m_aktualnySubor; }

public slots:
    void vlozZastupcu(const QString& meno);
    void btnVlozClick();
    void otvorSuborClick();
    bool ulozSuborClick();
    bool ulozSuborAkoClick();
    void tlacClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    QTextEdit* m_text = nullptr;
    QToolBar* m_nastroje = nullptr;
    QFontComboBox* m_pismo = nullptr;
    QComboBox* m_velkost = nullptr;
    QAction* m_tucne = nullptr;
    QAction* m_kurziva = nullptr;
    QAction* m_podciarknute = nullptr;
    QAction* m_vlavo = nullptr;
    QAction* m_stred = nullptr;
    QAction* m_vpravo = nullptr;
    QAction* m_odrazky = nullptr;
    QAction* m_vystrihni = nullptr;
    QAction* m_kopiruj = nullptr;
    QAction* m_prilep = nullptr;
    QSpinBox* m_prvyRiadok = nullptr;
    QSpinBox* m_odsadenie = nullptr;
    QWidget* m_panelVyuctovania = nullptr;
    QWidget* m_panelKorespondencie = nullptr;
    QLabel* m_poloha = nullptr;
    QLabel* m_zmeneny = nullptr;
    QString m_ciel;
    QString m_aktualnySubor = RichEdit::Neoznaceny;

    QWidget* vytvorPanel(RichEdit::Panel panel);
    void vytvorNastroje();
    void formatujVyber(const QTextCharFormat& f);
    void aktualizujOvladace();
    void aktualizujStav();
    void nastavOdsadenie();
};
