#include "store/SpravyQt.h"

#include "store/OtvorenieSuboru.h"
#include "store/TChybyNacitaniaForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
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

namespace {
// The desktop's default application for a MIME type, as xdg-mime names it; empty for none.
QString predvolenaAplikacia(const QString& typ)
{
    QProcess p;
    p.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), typ});
    if (!p.waitForFinished(3000)) {
        p.kill();
        p.waitForFinished(1000);
        return {};
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}
}  // namespace

bool SpravyQt::otvorSubor(const QString& cesta)
{
    const SposobOtvorenia s = UrciOtvorenie(
        cesta, [](const QString& meno) { return QStandardPaths::findExecutable(meno); }, predvolenaAplikacia);
    if (!s.chyba.isEmpty()) {
        chyba(s.chyba);
        return false;
    }
    const bool spustene = s.program.isEmpty() ? QDesktopServices::openUrl(QUrl::fromLocalFile(cesta))
                                              : QProcess::startDetached(s.program, s.argumenty);
    if (!spustene)
        chyba(TextNeotvorenehoSuboru(cesta, s.program));
    return spustene;
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

void SpravyQt::zhrnutie(const QList<Sprava>& zozbierane)
{
    TChybyNacitaniaForm(zozbierane, rodic()).exec();
}
