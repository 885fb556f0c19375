#pragma once
#include <QStringList>

// The program's arguments (without the program name) ask to open on the orders register:
// exactly one argument, exactly "-obj".
bool OtvoritNaObjednavkach(const QStringList& argumenty);
