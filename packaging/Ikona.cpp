// Renders the SVG icon into a square PNG for the icon theme.
//   kevrot_ikona VSTUP.svg VYSTUP.png VELKOST
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4)
        return 2;
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const int velkost = QByteArray(argv[3]).toInt();
    if (!svg.isValid() || velkost <= 0)
        return 1;
    QImage obraz(velkost, velkost, QImage::Format_ARGB32);
    obraz.fill(Qt::transparent);
    QPainter p(&obraz);
    svg.render(&p);
    p.end();
    return obraz.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
