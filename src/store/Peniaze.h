#pragma once
// Money texts: euro amounts with the crown value beside them when the dual display is on.
//
// The format is the Slovak one whatever the machine's locale: two decimals (three for
// unit prices), "," as the decimal point, a no-break space (U+00A0) between thousands and
// before the symbol, a leading "-" for negatives: "-1 234,56 €".

#include <QString>

// Slovak crowns per euro.
inline constexpr double KurzSk = 30.126;

inline const QString SymbolEuro = QStringLiteral("€");
inline const QString SymbolSk = QStringLiteral("Sk");

// The process-wide switch that shows crowns beside euro; off until the settings say otherwise.
void nastavDualneZobrazovanie(bool zapnute);
bool DualneZobrazovanie();

// "1 234,56 €"; rounding as ZaokruhliDesatinne (half away from zero on the decimal value).
QString SumaText(const QString& symbol, double suma);

// SumaText, followed by " (3 012,60 Sk)" when the dual display is on.
QString SumaTextSk(const QString& symbol, double suma);

// The same with three decimals for the euro part (unit prices); the crowns keep two.
QString SumaText3(const QString& symbol, double suma);

// A count in the same form: "1 234", "-5".
QString PocetText(qint64 pocet);

// The crown part alone: " (" + crowns of the amount rounded to cents + ")".
QString CastVSk(double suma);
