#pragma once
// The tab "Dokumenty": the legal texts as links; a click opens the PDF when it exists.

#include <QLabel>
#include <QList>
#include <QWidget>

#include "PravneDokumenty.h"

class OdkazDokumentu : public QLabel {
    Q_OBJECT
public:
    OdkazDokumentu(const PravnyDokument& dokument, QWidget* rodic = nullptr);
    void Zvyrazni(bool zvyraznit);
    bool zvyrazneny() const { return m_zvyrazneny; }
    const PravnyDokument& dokument() const { return m_dokument; }

signals:
    void najazdene(OdkazDokumentu* odkaz);

protected:
    void enterEvent(QEnterEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    PravnyDokument m_dokument;
    bool m_zvyrazneny = false;
};

class DokumentyZalozka : public QWidget {
    Q_OBJECT
public:
    explicit DokumentyZalozka(QWidget* rodic = nullptr);
    const QList<OdkazDokumentu*>& odkazy() const { return m_odkazy; }
    // All lines plain and black again.
    void ZrusZvyraznenie(OdkazDokumentu* okrem = nullptr);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QList<OdkazDokumentu*> m_odkazy;
};
