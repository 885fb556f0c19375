#include "PrikazovyRiadok.h"

bool OtvoritNaObjednavkach(const QStringList& argumenty)
{
    return argumenty.size() == 1 && argumenty.first() == QLatin1String("-obj");
}
