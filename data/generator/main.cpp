// Build step: writes the shipped code-list files from their CSV sources.
//   kevrot_generuj_data <source directory> <target directory>

#include "GeneratorDat.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList argumenty = app.arguments();
    QTextStream err(stderr);
    if (argumenty.size() != 3) {
        err << "použitie: kevrot_generuj_data <zdrojový adresár> <cieľový adresár>\n";
        return 2;
    }
    QStringList chyby;
    if (!GeneratorDat::Generuj(argumenty.at(1), argumenty.at(2), chyby)) {
        for (const auto& c : chyby)
            err << c << '\n';
        return 1;
    }
    return 0;
}
