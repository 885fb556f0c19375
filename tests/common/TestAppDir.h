#pragma once
#include <QTemporaryDir>

#include "store/Spravy.h"

#include <gtest/gtest.h>

// A fresh application directory for one test, with a message recorder installed.
class TestAppDir : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Full path of a file below the application directory ("Data/x.dat").
    QString cesta(const QString& relativna) const;
    void zapis(const QString& relativna, const QByteArray& obsah) const;
    QByteArray obsah(const QString& relativna) const;

    QTemporaryDir m_adresar;
    ZaznamnikSprav m_spravy;

private:
    Spravy* m_predtym = nullptr;
};

// Path of a file in tests/fixtures.
QString fixture(const QString& nazov);
