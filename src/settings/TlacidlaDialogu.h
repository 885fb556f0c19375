#pragma once
// The button row that closes a dialog: "OK" (or another caption) and "Storno" in a
// QDialogButtonBox, in the order of the desktop. The captions are the program's own.

#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

struct TlacidlaDialogu {
    QDialogButtonBox* riadok = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* storno = nullptr;
};

// What Enter does in the dialog's fields.
enum class EnterDialogu {
    StlaciOK,  // presses "OK", the default button
    Nic,       // nothing: the dialog has no default button
};

// The row, not yet placed; "Storno" and Escape reject, "OK" is left to the dialog. Enter on
// a focused "Storno" rejects. An "OK" that Enter must not press is not the box's accept
// button, which the box would make the default when it shows; then no button is pressed by
// Enter in a field.
inline TlacidlaDialogu VytvorTlacidla(QDialog* d, const QString& ok = QStringLiteral("OK"),
                                      EnterDialogu enter = EnterDialogu::StlaciOK,
                                      const QString& storno = QStringLiteral("Storno"))
{
    auto* riadok = new QDialogButtonBox(d);
    const bool predvolene = enter == EnterDialogu::StlaciOK;
    TlacidlaDialogu t{riadok,
                      riadok->addButton(ok, predvolene ? QDialogButtonBox::AcceptRole : QDialogButtonBox::ActionRole),
                      riadok->addButton(storno, QDialogButtonBox::RejectRole)};
    t.ok->setDefault(predvolene);
    t.ok->setAutoDefault(predvolene);
    t.storno->setAutoDefault(predvolene);
    QObject::connect(riadok, &QDialogButtonBox::rejected, d, &QDialog::reject);
    return t;
}

// The row added to `rozlozenie`.
inline TlacidlaDialogu PridajTlacidla(QDialog* d, QBoxLayout* rozlozenie, const QString& ok = QStringLiteral("OK"),
                                      EnterDialogu enter = EnterDialogu::StlaciOK)
{
    const TlacidlaDialogu t = VytvorTlacidla(d, ok, enter);
    rozlozenie->addWidget(t.riadok);
    return t;
}
