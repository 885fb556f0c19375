#pragma once
// Pieces of the side panel that both registers show.

class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QVBoxLayout;
class QWidget;

// "Filter vyhľadávania" and the read-only box that shows the active filter.
QPlainTextEdit* PridajFilterVyhladavania(QVBoxLayout* l, QWidget* panel);
// "Rok:" with the year shown (this year at start), then the panel's closing stretch.
QSpinBox* PridajRok(QVBoxLayout* l, QWidget* panel);

// The search dialogs' "Hľadaj" (default) and "Storno", right-aligned under the fields.
struct TlacidlaHladania {
    QPushButton* hladaj;
    QPushButton* storno;
};
TlacidlaHladania PridajTlacidlaHladania(QVBoxLayout* l, QWidget* okno);
