#include "StrankaTlac.h"

#include "UpravaSuboru.h"

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

namespace {

// The installed fonts by name, with the chosen one even when it is not installed.
QStringList fonty(const QString& zvoleny)
{
    QStringList f = QFontDatabase::families();
    if (!zvoleny.isEmpty() && !f.contains(zvoleny))
        f << zvoleny;
    QCollator c(QLocale(QLocale::Slovak, QLocale::Slovakia));
    c.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(f.begin(), f.end(), c);
    return f;
}

void nastavFont(QComboBox* cmb, QSpinBox* spin, const QString& meno, int velkost)
{
    cmb->clear();
    cmb->addItems(fonty(meno));
    cmb->setCurrentIndex(cmb->findText(meno));
    spin->setValue(velkost);
}

}  // namespace

StrankaTlac::StrankaTlac(QWidget* rodic) : StrankaNastavenia(rodic)
{
    auto* g = new QGridLayout(this);
    auto font = [&](int riadok, const QString& nazov, QComboBox*& cmb, QSpinBox*& spin) {
        cmb = new QComboBox(this);
        spin = new QSpinBox(this);
        spin->setRange(0, 20);
        g->addWidget(new QLabel(nazov, this), riadok, 0);
        g->addWidget(cmb, riadok, 1);
        g->addWidget(spin, riadok, 2);
    };
    font(0, QStringLiteral("Základný font"), cmbFontZakladny, spinFontZakladny);
    font(1, QStringLiteral("Font tabuľky"), cmbFontTabulky, spinFontTabulky);
    font(2, QStringLiteral("Nadpisy"), cmbFontNadpisy, spinFontNadpisy);
    chkTucne = new QCheckBox(QStringLiteral("tučné"), this);
    chkKurziva = new QCheckBox(QStringLiteral("kurzíva"), this);
    g->addWidget(chkTucne, 2, 3);
    g->addWidget(chkKurziva, 2, 4);
    g->addWidget(new QLabel(QStringLiteral("Textový editor:"), this), 3, 0);
    g->addWidget(new QLabel(JeTextovyProcesor() ? QStringLiteral("LibreOffice Writer") : QStringLiteral("vstavaný editor"), this),
                 3, 1);
    g->setRowStretch(4, 1);
    g->setColumnStretch(5, 1);
}

void StrankaTlac::nacitaj(const HodnotyNastavenia& h)
{
    const TNastavenia& n = h.nastavenie;
    nastavFont(cmbFontZakladny, spinFontZakladny, n.BasicFontName, n.BasicFontSize);
    nastavFont(cmbFontTabulky, spinFontTabulky, n.TableFontName, n.TableFontSize);
    nastavFont(cmbFontNadpisy, spinFontNadpisy, n.TitleFontName, n.TitleFontSize);
    chkTucne->setChecked(n.TitleFontStyleBold);
    chkKurziva->setChecked(n.TitleFontStyleItalic);
}

void StrankaTlac::zober(HodnotyNastavenia& h) const
{
    TNastavenia& n = h.nastavenie;
    n.BasicFontName = cmbFontZakladny->currentText();
    n.BasicFontSize = spinFontZakladny->value();
    n.TableFontName = cmbFontTabulky->currentText();
    n.TableFontSize = spinFontTabulky->value();
    n.TitleFontName = cmbFontNadpisy->currentText();
    n.TitleFontSize = spinFontNadpisy->value();
    n.TitleFontStyleBold = chkTucne->isChecked();
    n.TitleFontStyleItalic = chkKurziva->isChecked();
}
