#include "ZostavaPdf.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QBuffer>

#include "store/Subory.h"

namespace {

QPageLayout rozlozenieStrany(const StranyZostavy& z)
{
    const QSize mm = rozmerPapieraMM(z.papier);
    const QPageSize velkost(QSizeF(mm), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    return QPageLayout(velkost,
                       z.orientacia == TPrinterOrientation::poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

}  // namespace

Vysledok UlozPdf(const QList<StranyZostavy>& zostavy, const QString& subor, const QString& titul)
{
    // Built in memory, then saved by the one atomic write.
    QByteArray obsah;
    QBuffer f(&obsah);
    f.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&f);
        pdf.setTitle(titul);
        pdf.setCreator(QStringLiteral("Znalecký kevrot"));
        pdf.setResolution(600);
        bool prva = true;
        QPainter p;
        for (const auto& z : zostavy) {
            for (const auto& strana : z.strany) {
                pdf.setPageLayout(rozlozenieStrany(z));
                if (prva) {
                    if (!p.begin(&pdf))
                        return Vysledok::chyba(Subory::textChybaZapisu(subor, QStringLiteral("PDF")));
                    prva = false;
                } else {
                    pdf.newPage();
                }
                const QRect plocha = pdf.pageLayout().fullRectPixels(pdf.resolution());
                kresliStranu(p, strana, QRectF(QPointF(0, 0), QSizeF(plocha.size())));
            }
        }
        if (prva) {
            // Nothing to print still makes a valid file with one empty page.
            p.begin(&pdf);
        }
        p.end();
    }
    f.close();
    if (const Vysledok v = Subory::ulozAtomicky(subor, obsah); !v)
        return Vysledok::chyba(Subory::textChybaZapisu(subor, v.dovod()));
    return {};
}
