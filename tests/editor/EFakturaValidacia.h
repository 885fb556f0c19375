#pragma once
// Runs the EN 16931 validator on written e-invoices: one run for all files, as Java starts slowly.

#include <QDir>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

struct VysledokValidacie {
    int kod = -1;
    QString vystup;
};

inline VysledokValidacie Validuj(const QMap<QString, QByteArray>& subory)
{
    QTemporaryDir d;
    QStringList cesty;
    for (auto it = subory.begin(); it != subory.end(); ++it) {
        QFile f(d.filePath(it.key()));
        if (!f.open(QIODevice::WriteOnly) || f.write(it.value()) != it.value().size())
            return {-1, QStringLiteral("cannot write ") + f.fileName()};
        cesty << f.fileName();
    }
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral(KEVROT_VALIDATE_UBL), cesty);
    if (!p.waitForFinished(300000))
        return {-1, QStringLiteral("validator did not finish: ") + p.errorString()};
    return {p.exitCode(), QString::fromUtf8(p.readAll())};
}

// Every file passed, none with a fatal failure; the validator's lines on failure.
#define EXPECT_VALIDNE(subory)                                                   \
    do {                                                                         \
        const VysledokValidacie v_ = Validuj(subory);                            \
        EXPECT_EQ(v_.kod, 0) << v_.vystup.toStdString();                          \
        EXPECT_EQ(v_.vystup.count(QStringLiteral(" 0 failed,")), (subory).size()) \
            << v_.vystup.toStdString();                                          \
    } while (0)
