#pragma once
// The entry editor's commands "e-Faktúra (XML)" and "Dobropis (XML)".

#include "editor/PodkladyDokladu.h"

class QWidget;

// Writes the e-invoice (or the credit note cancelling it) into the working directory, where
// it is stored with the entry's documents on OK. When the e-invoice settings lack what the
// invoice needs, offers their dialog first.
void PrikazEFaktura(const PodkladyDokladu& p, bool dobropis, QWidget* rodic);
