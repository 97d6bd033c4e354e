#pragma once

// Small file helpers shared by the test programs.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

#include <string>

namespace testing {

inline QByteArray readBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

inline std::string toStd(const QString& s) { return QFile::encodeName(s).toStdString(); }

inline QByteArray sampleRoster() { return readBytes(QStringLiteral(CBT_SAMPLE_ROSTER)); }

} // namespace testing
