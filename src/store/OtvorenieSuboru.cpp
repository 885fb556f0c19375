#include "OtvorenieSuboru.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>

namespace {

bool jeFormatovanyText(const QString& pripona)
{
    static const QStringList pripony{QStringLiteral("rtf"), QStringLiteral("doc"), QStringLiteral("docx"),
                                     QStringLiteral("odt")};
    return pripony.contains(pripona);
}

bool jeTabulka(const QString& pripona)
{
    return pripona == u"xlsx" || pripona == u"xls" || pripona == u"ods" || pripona == u"csv";
}

// What to install for a file type.
QString coNainstalovat(const QString& pripona)
{
    if (jeFormatovanyText(pripona))
        return QStringLiteral("LibreOffice Writer (balík libreoffice-writer)");
    if (jeTabulka(pripona))
        return QStringLiteral("LibreOffice Calc (balík libreoffice-calc)");
    if (pripona == u"pdf")
        return QStringLiteral("prehliadač PDF (napríklad balík evince)");
    return QStringLiteral("program pre tento typ súborov");
}

}  // namespace

SposobOtvorenia UrciOtvorenie(const QString& cesta, const std::function<QString(const QString&)>& najdiProgram,
                              const std::function<QString(const QString&)>& predvolenaAplikacia)
{
    const QFileInfo info(cesta);
    if (!info.isFile())
        return {{}, {}, QStringLiteral("Súbor %1 neexistuje.").arg(QDir::toNativeSeparators(cesta))};
    const QString pripona = info.suffix().toLower();
    if (jeFormatovanyText(pripona)) {
        if (const QString w = najdiProgram(QStringLiteral("lowriter")); !w.isEmpty())
            return {w, {cesta}, {}};
        if (const QString lo = najdiProgram(QStringLiteral("libreoffice")); !lo.isEmpty())
            return {lo, {QStringLiteral("--writer"), cesta}, {}};
    }
    if (jeTabulka(pripona)) {
        if (const QString c = najdiProgram(QStringLiteral("localc")); !c.isEmpty())
            return {c, {cesta}, {}};
        if (const QString lo = najdiProgram(QStringLiteral("libreoffice")); !lo.isEmpty())
            return {lo, {QStringLiteral("--calc"), cesta}, {}};
    }
    const QString typ = QMimeDatabase().mimeTypeForFile(info).name();
    if (!predvolenaAplikacia(typ).isEmpty())
        return {};
    return {{}, {},
            QStringLiteral("Súbor %1 sa nepodarilo otvoriť: v systéme nie je program, ktorý otvára súbory typu "
                           "\"%2\". Nainštalujte %3.")
                .arg(QDir::toNativeSeparators(cesta), pripona.isEmpty() ? typ : pripona, coNainstalovat(pripona))};
}

QString TextNeotvorenehoSuboru(const QString& cesta, const QString& program)
{
    return QStringLiteral("Súbor %1 sa nepodarilo otvoriť programom %2.")
        .arg(QDir::toNativeSeparators(cesta), program.isEmpty() ? QStringLiteral("systému") : program);
}
