#pragma once
// The PNG files zoltool draws (render, animation frames): 8-bit RGB, written
// as every file is (AtomicFile).

#include <QImage>
#include <QString>

namespace zol::cli {

// Throws FileError naming the file and the reason.
void WritePng(const QImage& image, const QString& path);

} // namespace zol::cli
