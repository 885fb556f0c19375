#pragma once
// The report preview "Tlačová zostava": one page at a time on a white sheet, paging,
// zoom, printing through the print dialog and saving as PDF. Not modal; frees itself
// when closed; several may be open at once.

#include <QComboBox>
#include <QLabel>
#include <QScrollArea>
#include <QToolButton>
#include <QPoint>
#include <QWidget>

#include "StavNahladu.h"
#include "ZostavaPdf.h"

class QPagedPaintDevice;

// The sheet inside the scroll box: paints the current page at the zoom.
class tAlPreview : public QWidget {
    Q_OBJECT
public:
    explicit tAlPreview(QWidget* rodic = nullptr);

    StranyZostavy zostava;
    StavNahladu stav;
    bool Shadow = false;
    QString Title;

    void obnov();

signals:
    void zvacsenieZmenene();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
};

// Prints pages od..po (1-based) of `strany` onto a device whose page is the whole paper.
void vytlacStrany(QPagedPaintDevice& zariadenie, QPainter& p, const tPages& strany, int od, int po);

class TfrmPreview : public QWidget {
    Q_OBJECT
public:
    explicit TfrmPreview(QWidget* rodic = nullptr);

    tPages& strany() { return m_nahlad->zostava.strany; }
    StranyZostavy& zostava() { return m_nahlad->zostava; }
    tAlPreview* nahlad() const { return m_nahlad; }
    // Opens the window over most of the screen, maximized where the desktop allows.
    // `posun`: a second preview opened with another one lies beside it, moved by this much
    // and not maximized, so that neither hides the other.
    void Zobraz(QPoint posun = {});
    // Shows the first page (after the pages were prepared).
    void ZobrazPrvuStranu();

    QComboBox* cmbZvacsenie() const { return m_zvacsenie; }
    QLabel* lblStrana() const { return m_indikator; }

    // Saves every page into a PDF chosen through the message service's file dialog.
    bool UlozAkoPdf();
    // The print dialog, then one job per copy.
    void Vytlac();

    void chodNaStranu(int n);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void obnovIndikator();
    void posun(int dx, int dy);

    tAlPreview* m_nahlad;
    QScrollArea* m_svitok;
    QComboBox* m_zvacsenie;
    QLabel* m_indikator;
    QToolButton* m_tlac;
    QToolButton* m_pdf;
    bool m_tlaci = false;
};
