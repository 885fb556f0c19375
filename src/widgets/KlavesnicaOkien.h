#pragma once
// Every window workable by keyboard alone, as one rule for the whole program: Tab passes
// through grids and lists (arrows and Ctrl+Tab move inside them), read-only text boxes
// pass Tab on, buttons, check boxes, labels of fields and tabs get Alt accelerators where
// their captions have none, and the control with the focus is framed where the style
// would not show it (drop-downs, grids, spin boxes).

#include <QObject>
#include <QPointer>

class QWidget;

class KlavesnicaOkien : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Installs one filter for the whole application (at program start).
    static void Zapni();
    // Gives an accelerator to each caption of the window that has none, a letter no other
    // caption of the window uses (the first letter of a word where it can).
    static void PridajAkceleratory(QWidget* okno);
    // The accelerator letter of a caption ("&Pridaj" -> 'p'), or a null character.
    static QChar Akcelerator(const QString& text);

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    void oramuj(QWidget* w);

    QPointer<QWidget> m_ramcek;
    QPointer<QWidget> m_oramovany;
};
