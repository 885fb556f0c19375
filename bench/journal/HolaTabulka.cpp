// A bare Qt Widgets program showing a table of 2,000 rows (or as many as its argument says)
// like the journal's: the yardstick of the program's start-up and memory. Ends once the
// table has been painted.

#include "app/PrvaKresbaTabulky.h"

#include <QApplication>
#include <QMainWindow>
#include <QTableWidget>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kPredvolenePocetRiadkov = 2000;
constexpr int kStlpcov = 8;

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int kRiadkov = argc > 1 ? std::clamp(std::atoi(argv[1]), 1, 1000000) : kPredvolenePocetRiadkov;
    QMainWindow okno;
    auto* tabulka = new QTableWidget(kRiadkov, kStlpcov, &okno);
    for (int r = 0; r < kRiadkov; ++r) {
        tabulka->setItem(r, 0, new QTableWidgetItem(QString::number(r + 1)));
        tabulka->setItem(r, 1, new QTableWidgetItem(QStringLiteral("Žiadateľ %1").arg(r % 500)));
        tabulka->setItem(r, 2, new QTableWidgetItem(QStringLiteral("%1C/%2/2026").arg(r % 20).arg(r)));
        tabulka->setItem(r, 3, new QTableWidgetItem(QStringLiteral("12.03.2026")));
        tabulka->setItem(r, 4, new QTableWidgetItem(QStringLiteral("28.03.2026")));
        tabulka->setItem(r, 5, new QTableWidgetItem(QStringLiteral("Predmet úkonu %1").arg(r % 300)));
        tabulka->setItem(r, 6, new QTableWidgetItem(QStringLiteral("%1,50 €").arg(r % 1000)));
        tabulka->setItem(r, 7, new QTableWidgetItem(QStringLiteral("%1,20 €").arg(r % 200)));
    }
    okno.setCentralWidget(tabulka);
    PrvaKresbaTabulky koniec(1, [] { QCoreApplication::exit(0); });
    okno.showMaximized();
    return app.exec();
}
