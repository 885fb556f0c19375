#include "UpravaSuboru.h"

#include "settings/NastaveniaZaznamy.h"
#include "store/Spravy.h"
#include "word/NastavenieSubory.h"

#include <QStandardPaths>

bool JeTextovyProcesor()
{
    return !QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty()
        || !QStandardPaths::findExecutable(QStringLiteral("libreoffice")).isEmpty();
}

bool UpravSubor(QWidget* rodic, const QString& subor, const QString& titulok, RichEdit::Panel panel,
                const TNastavenia& n, bool word)
{
    if (word) {
        if (ohlas(NastavenieSubory::ZalozPrazdny(subor, n)))
            spravy().otvorSubor(subor);
        return false;
    }
    TRichEditForm editor(rodic);
    editor.nastavCiel(subor, titulok, panel, true, n.BasicFontName, n.BasicFontSize);
    editor.exec();
    return true;
}
