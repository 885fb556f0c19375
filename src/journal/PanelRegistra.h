#pragma once
// Pieces of the side panel that both registers show.

class QDialog;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QVBoxLayout;
class QWidget;

// "Filter vyhľadávania" and the read-only box that shows the active filter.
QPlainTextEdit* PridajFilterVyhladavania(QVBoxLayout* l, QWidget* panel);
// "Rok:" with the year shown (this year at start), then the panel's closing stretch.
QSpinBox* PridajRok(QVBoxLayout* l, QWidget* panel);

// The search dialogs' "Hľadaj" (default) and "Storno" under the fields; "Storno" rejects.
struct TlacidlaHladania {
    QPushButton* hladaj;
    QPushButton* storno;
};
TlacidlaHladania PridajTlacidlaHladania(QVBoxLayout* l, QDialog* okno);
