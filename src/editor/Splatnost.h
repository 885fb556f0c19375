#pragma once
// The due date of an entry: the date of performance plus the payment term.

// The due date for a date of performance and a term in days. Without a date of
// performance (0) there is no due date either (0), rather than a day of 1900.
double DatumSplatnosti(double datumVykonania, int splatnost);
