#pragma once
// The long document the file and start-up benchmarks measure.

#include <QString>

namespace zol::bench {

// Writes a CP932 document of `figures` figures to path with the editor's own
// save: captions such as "三角の家 17", the start arrangement shifted about
// and turned at random (the same every run).
void WriteLongDocument(const QString& path, int figures);

} // namespace zol::bench
