#pragma once
// Shared by the fuzz targets: a scratch folder on a fast file system, a
// prompter that declines every offer, and a way to stop on a broken property.

#include "io/AppPaths.h"
#include "io/Prompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace zol::fuzz {

// Files a target writes and reads back live here; the program folder points
// here too, so no real piece set or settings file is ever touched.
inline const QTemporaryDir& Scratch()
{
    static const QTemporaryDir dir = [] {
        const QString base = QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        return QTemporaryDir(base + QStringLiteral("/zol-fuzz-XXXXXX"));
    }();
    static const bool folderSet = (SetProgramFolder(dir.path()), true);
    (void)folderSet;
    return dir;
}

inline QString ScratchPath(const char* name) { return Scratch().filePath(QString::fromUtf8(name)); }

inline void WriteBytes(const QString& path, const uint8_t* data, size_t size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size)) {
        std::fprintf(stderr, "fuzz: cannot write %s\n", qPrintable(path));
        std::abort();
    }
}

// Says No to every question (no file is rewritten) and keeps no messages.
class DecliningPrompter : public Prompter {
public:
    void Inform(const std::string&) override {}
    bool Confirm(const std::string&) override { return false; }
};

// A property that must hold for every input; a failure is a finding.
inline void Require(bool holds, const char* property)
{
    if (!holds) {
        std::fprintf(stderr, "fuzz: property broken: %s\n", property);
        std::abort();
    }
}

} // namespace zol::fuzz
