#pragma once
// A document named at start-up, read from disk on a thread of its own while
// the window is being built: the page faults and the copy of a large file
// then overlap the construction of the widgets.

#include "io/LineFile.h"
#include "io/Prompter.h"

#include <QString>

#include <future>

namespace zol {

class TangramModel;

class DocumentReadAhead {
public:
    // Starts reading path at once, when it names a file.
    explicit DocumentReadAhead(QString path);

    // LoadDocument of the path, with the bytes read ahead when there are any:
    // the same result, messages and exceptions as LoadDocument gives.
    bool LoadInto(TangramModel& model, const QString& currentFolder, Prompter& prompter);

private:
    QString path_;
    std::future<FileText> text_;
};

} // namespace zol
