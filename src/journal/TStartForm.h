#pragma once
// The splash window shown while the program loads.

#include <QWidget>

class QLabel;

class TStartForm : public QWidget {
    Q_OBJECT
public:
    explicit TStartForm(QWidget* rodic = nullptr);

    // Sets the status line, repaints and pauses so that it can be read.
    void NastavStav(const QString& text);
    QString stav() const;

    // Milliseconds of the pause after a status change.
    static inline int Pauza = 500;

    QLabel* lblNazov = nullptr;
    QLabel* lblVerzia = nullptr;
    QLabel* lblStav = nullptr;
};
