#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

// Paths of the test sources and fixtures.
inline QString testSourcePath(const QString& relative)
{
    return QStringLiteral(ZFN_TEST_SOURCE_DIR "/") + relative;
}

// The bytes of a file; empty when it cannot be read.
inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The bytes of a fixture of a test folder ("smoke", "common", ...); a fixture that cannot be read fails the
// test.
inline QByteArray fixtureBytes(const QString& folder, const QString& name)
{
    QFile file(testSourcePath(folder + QStringLiteral("/fixtures/") + name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}
