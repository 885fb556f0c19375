#include "widgets/PrekladQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstring>

namespace {
// The Slovak catalogue still keeps the standard buttons' texts under the dialog button
// box, where Qt 6 asks the platform theme for them.
class PrekladQtSk : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* kontext, const char* text, const char* rozlisenie, int n) const override
    {
        QString preklad = QTranslator::translate(kontext, text, rozlisenie, n);
        if (preklad.isEmpty() && kontext && std::strcmp(kontext, "QPlatformTheme") == 0)
            preklad = QTranslator::translate("QDialogButtonBox", text, rozlisenie, n);
        return preklad;
    }
};
}  // namespace

QString AdresarPrekladovQt() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

bool NacitajPrekladQt(const QString& adresar)
{
    auto* preklad = new PrekladQtSk(QCoreApplication::instance());
    if (!preklad->load(QLocale(QLocale::Slovak, QLocale::Slovakia), QStringLiteral("qtbase"),
                       QStringLiteral("_"), adresar)
        || !QCoreApplication::installTranslator(preklad)) {
        delete preklad;
        return false;
    }
    return true;
}
