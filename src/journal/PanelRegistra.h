#pragma once
// Pieces of the side panel that both registers show.

class QPlainTextEdit;
class QSpinBox;
class QVBoxLayout;
class QWidget;

// "Filter vyhľadávania" and the read-only box that shows the active filter.
QPlainTextEdit* PridajFilterVyhladavania(QVBoxLayout* l, QWidget* panel);
// "Rok:" with the year shown (this year at start), then the panel's closing stretch.
QSpinBox* PridajRok(QVBoxLayout* l, QWidget* panel);
