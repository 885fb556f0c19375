#pragma once
// Helpers for window tests on the offscreen platform.

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

// The one QApplication of a test program.
inline void zaistiAplikaciu()
{
    if (qApp)
        return;
    static int argc = 1;
    static char nazov[] = "test";
    static char* argv[] = {nazov, nullptr};
    new QApplication(argc, argv);
}

// Runs `akcia` on the next modal dialog that opens, once the event loop runs; a dialog
// still open afterwards is cancelled so that a test never hangs.
template <class Dialog>
void ked_sa_otvori(std::function<void(Dialog*)> akcia)
{
    QTimer::singleShot(0, [akcia] {
        auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!d) {
            if (auto* ine = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                ine->reject();
            return;
        }
        akcia(d);
        if (d->isVisible())
            d->reject();
    });
}
