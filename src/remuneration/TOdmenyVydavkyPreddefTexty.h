#pragma once
// "Nastavenie preddefinovaných textov pre odmeny a výdavky": the seven headings that the
// billing document prints above the kinds of items.

#include <QDialog>
#include <QList>

class PreddefinovaneTexty;
class QPlainTextEdit;
class QPushButton;

class TOdmenyVydavkyPreddefTexty : public QDialog {
    Q_OBJECT
public:
    explicit TOdmenyVydavkyPreddefTexty(PreddefinovaneTexty& texty, QWidget* rodic = nullptr);

    // OK: the table becomes the seven boxes' texts (cut to 255 characters).
    void Potvrd();

    QList<QPlainTextEdit*> polia;  // in the order of PreddefinovaneTexty::DruhyHlaviciek
    QPushButton* btnOK = nullptr;
    QPushButton* btnStorno = nullptr;

private:
    PreddefinovaneTexty& m_texty;
};
