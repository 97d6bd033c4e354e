#pragma once

// Small file helpers shared by the test programs.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <string>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

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

// A path as the engine takes it: the file system's bytes, UTF-8 on Windows.
inline std::string toStd(const QString& s)
{
#ifdef Q_OS_WIN
    return s.toStdString();
#else
    return QFile::encodeName(s).toStdString();
#endif
}

// The system's words for a file whose folder is missing, as the engine
// passes them on (they differ between systems and their versions).
inline QString missingFolderText()
{
#ifdef Q_OS_WIN
    wchar_t* text = nullptr;
    ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, ERROR_PATH_NOT_FOUND, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString words = QString::fromWCharArray(text).trimmed();
    ::LocalFree(text);
    if (words.endsWith(QLatin1Char('.')))
        words.chop(1); // the engine sets the words in a sentence of its own
    return words;
#else
    return QString::fromLocal8Bit(std::strerror(ENOENT));
#endif
}

inline QByteArray sampleRoster() { return readBytes(QStringLiteral(CBT_SAMPLE_ROSTER)); }

} // namespace testing
