#pragma once
#include "store/Spravy.h"

#include <QPointer>
#include <QWidget>

// Modal message boxes and the desktop's file dialogs and default applications.
class SpravyQt : public Spravy {
public:
    void nastavRodica(QWidget* rodic) { m_rodic = rodic; }

    void upozornenie(const QString& text) override;
    void chyba(const QString& text) override;
    void informacia(const QString& text) override;
    bool otazka(const QString& text) override;
    bool otvorSubor(const QString& cesta) override;
    QString vyberSuborNaOtvorenie(const QString& titulok, const QString& adresar,
                                  const QString& filter) override;
    QString vyberSuborNaUlozenie(const QString& titulok, const QString& adresar,
                                 const QString& filter) override;
    QString vyberAdresar(const QString& titulok, const QString& adresar) override;
    // One window listing each file with its problem.
    void zhrnutie(const QList<Sprava>& zozbierane) override;

private:
    QWidget* rodic() const;
    QPointer<QWidget> m_rodic;
};
