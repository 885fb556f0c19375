#pragma once
#include <QDate>
#include <QString>

// Dates are doubles counting days from 1899-12-30; the fraction is the time of day.
// 0 means "no date" to the callers that say so.

QDate DatumNaQDate(double datum);
double QDateNaDatum(const QDate& d);

// Short date form: day.month.year without leading zeros ("5.3.2024").
QString DatumText(double datum);
// "d.m.y" read back; empty or invalid text gives 0. The year is taken as written.
double TextNaDatum(const QString& text);
// Three texts to a date, or 0.
double DatumZTextov(const QString& den, const QString& mesiac, const QString& rok);
// day + "." + month + "." + year, as given.
QString DatumTextZoZloziek(const QString& den, const QString& mesiac, const QString& rok);
QString DnesText();
double Dnes();

// Cut-over of the VAT rules: 1 January 2011.
double DatumPrechoduDPH();
