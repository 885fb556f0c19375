#include "ZostavaPdf.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

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

bool UlozPdf(const QList<StranyZostavy>& zostavy, const QString& subor, const QString& titul)
{
    QSaveFile f(subor);
    if (!f.open(QIODevice::WriteOnly)) {
        Subory::ohlasChybuZapisu(subor, f.errorString());
        return false;
    }
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
                    if (!p.begin(&pdf)) {
                        Subory::ohlasChybuZapisu(subor, QStringLiteral("PDF"));
                        f.cancelWriting();
                        return false;
                    }
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
    if (!f.commit()) {
        Subory::ohlasChybuZapisu(subor, f.errorString());
        return false;
    }
    return true;
}
