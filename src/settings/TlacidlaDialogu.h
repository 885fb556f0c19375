#pragma once
// The button row that closes the dialogs of the settings: "OK" (or another caption) and
// "Storno", right-aligned.

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

struct TlacidlaDialogu {
    QPushButton* ok = nullptr;
    QPushButton* storno = nullptr;
};

// Adds the row to `rozlozenie`; "Storno" rejects, "OK" is left to the dialog.
inline TlacidlaDialogu PridajTlacidla(QDialog* d, QBoxLayout* rozlozenie, const QString& ok = QStringLiteral("OK"))
{
    TlacidlaDialogu t{new QPushButton(ok, d), new QPushButton(QStringLiteral("Storno"), d)};
    t.ok->setDefault(true);
    t.storno->setAutoDefault(false);
    auto* riadok = new QHBoxLayout;
    riadok->addStretch();
    riadok->addWidget(t.ok);
    riadok->addWidget(t.storno);
    rozlozenie->addLayout(riadok);
    QObject::connect(t.storno, &QPushButton::clicked, d, &QDialog::reject);
    return t;
}
