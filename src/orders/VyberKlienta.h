#pragma once
// Picking a client from the shared client list for an editor, and saving the list when the
// window changed it.

#include <QWidget>

#include <optional>

#include "orders/VyberObjednavatela.h"

class Objednavky;

// Opens the client list on the shared list. A changed list is saved at once, also when the
// window is cancelled, so that memory and file never disagree. The chosen client on "OK".
std::optional<VybranyObjednavatel> VyberKlienta(QWidget* rodic, Objednavky& objednavky);
