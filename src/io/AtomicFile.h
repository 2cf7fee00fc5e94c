#pragma once
// Every file the program writes is written whole or not at all: the bytes go
// to a temporary file beside the target, which replaces the target only once
// each of them has been written, flushed and synced to the disk. Until then
// the target stays as it was, and a failure, or an AtomicFile dropped before
// Commit, leaves no temporary behind. A new file gets the mode any new file
// gets under the user's umask; a file written over keeps its mode. A target
// that is a symbolic link is written through the link.

#include <QIODevice>
#include <QString>

#include <memory>
#include <string_view>

namespace zol {

// Writes every byte, on through writes that stop part way (a disk filling
// up); 0, or the errno of the write that failed.
int WriteAll(int descriptor, std::string_view bytes);

class AtomicFile {
public:
    // Creates the temporary. Throws FileError naming the target and the
    // system's reason when its folder cannot hold it, or when the target is a
    // folder or a file that may not be written.
    explicit AtomicFile(const QString& path);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // For writers that take a device (the PDF writer). Writes are buffered;
    // one that fails is remembered, with its reason, and reported by Commit.
    QIODevice& device();
    // Throws FileError when the bytes cannot be written.
    void Write(std::string_view bytes);
    // Puts the file in place of the target; throws FileError, the target
    // then untouched and the temporary gone.
    void Commit();

    const QString& path() const { return path_; }

private:
    class Device;

    [[noreturn]] void Fail(int error);
    void Discard();

    QString path_;
    QByteArray target_;
    QByteArray temporary_;
    int descriptor_ = -1;
    std::unique_ptr<Device> device_;
    int keptMode_ = -1; // the old file's permission bits, or -1 for a new file
};

} // namespace zol
