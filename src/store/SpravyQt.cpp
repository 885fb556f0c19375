#include "store/SpravyQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

QWidget* SpravyQt::rodic() const { return m_rodic ? m_rodic.data() : QApplication::activeWindow(); }

void SpravyQt::upozornenie(const QString& text)
{
    QMessageBox::warning(rodic(), QStringLiteral("Upozornenie"), text);
}

void SpravyQt::chyba(const QString& text)
{
    QMessageBox::critical(rodic(), QStringLiteral("Chyba"), text);
}

void SpravyQt::informacia(const QString& text)
{
    QMessageBox::information(rodic(), QStringLiteral("Informácia"), text);
}

bool SpravyQt::otazka(const QString& text)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Potvrdenie"), text,
                    QMessageBox::Yes | QMessageBox::No, rodic());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Áno"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nie"));
    return box.exec() == QMessageBox::Yes;
}

bool SpravyQt::otvorSubor(const QString& cesta)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(cesta));
}

QString SpravyQt::vyberSuborNaOtvorenie(const QString& titulok, const QString& adresar, const QString& filter)
{
    return QFileDialog::getOpenFileName(rodic(), titulok, adresar, filter);
}

QString SpravyQt::vyberSuborNaUlozenie(const QString& titulok, const QString& adresar, const QString& filter)
{
    return QFileDialog::getSaveFileName(rodic(), titulok, adresar, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString SpravyQt::vyberAdresar(const QString& titulok, const QString& adresar)
{
    return QFileDialog::getExistingDirectory(rodic(), titulok, adresar);
}
