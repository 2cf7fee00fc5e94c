#include "io/AtomicFile.h"

#include "io/AppPaths.h"
#include "io/FileError.h"
#include "io/NativePath.h"

#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zol {

namespace {

// Where a link points, so that the file it names is replaced and the link
// stays; a link to nowhere is replaced itself.
QByteArray ThroughLinks(const QByteArray& path)
{
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0 || !S_ISLNK(status.st_mode))
        return path;
    char resolved[PATH_MAX];
    return ::realpath(path.constData(), resolved) ? QByteArray(resolved) : path;
}

QByteArray FolderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray TemporaryName(const QByteArray& target)
{
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray name = target + '.';
    for (int i = 0; i < 6; ++i)
        name += Letters[QRandomGenerator::global()->bounded(int(sizeof Letters - 1))];
    return name;
}

// The rename is in the folder's entries: synced too, so that it survives a
// crash. The file is in place already, so a folder that cannot be synced
// (some file systems refuse) changes nothing of the outcome.
void SyncFolder(const QByteArray& target)
{
    const int folder = ::open(FolderOf(target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return;
    ::fsync(folder);
    ::close(folder);
}

} // namespace

int WriteAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return EIO;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return 0;
}

// The temporary as a device, buffered here: writers given a device may write
// a few bytes at a time, and may not look at what a write returns, so the
// first failure is kept until Commit asks.
class AtomicFile::Device final : public QIODevice {
public:
    explicit Device(int descriptor) : descriptor_(descriptor) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

    // Writes what is held; 0, or the errno of the first write that failed.
    int Drain()
    {
        if (error_ == 0)
            error_ = WriteAll(descriptor_, buffer_);
        buffer_.clear();
        return error_;
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        if (error_ != 0)
            return -1;
        buffer_.append(data, static_cast<size_t>(size));
        if (buffer_.size() >= Block && Drain() != 0)
            return -1;
        return size;
    }

private:
    static constexpr size_t Block = size_t{1} << 16;
    int descriptor_;
    int error_ = 0;
    std::string buffer_;
};

AtomicFile::AtomicFile(const QString& path) : path_(path), target_(ThroughLinks(NativePath(path)))
{
    struct stat status {};
    if (::stat(target_.constData(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            Fail(EISDIR);
        // A file made read-only is one its owner means to keep.
        if (::access(target_.constData(), W_OK) != 0)
            Fail(errno);
        keptMode_ = static_cast<int>(status.st_mode & 07777);
    } else if (errno != ENOENT) {
        Fail(errno);
    }
    // Until it is in place, a temporary standing for an existing file is the
    // owner's alone; a new file starts as any new file, the umask applied by
    // the system (and a folder's default access list with it).
    const mode_t mode = keptMode_ >= 0 ? 0600 : 0666;
    for (int attempt = 0; descriptor_ < 0; ++attempt) {
        const QByteArray name = TemporaryName(target_);
        descriptor_ = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (descriptor_ >= 0)
            temporary_ = name;
        else if (errno != EEXIST || attempt == 100)
            Fail(errno);
    }
    device_ = std::make_unique<Device>(descriptor_);
}

AtomicFile::~AtomicFile() { Discard(); }

QIODevice& AtomicFile::device() { return *device_; }

void AtomicFile::Write(std::string_view bytes)
{
    if (device_->write(bytes.data(), static_cast<qint64>(bytes.size())) < 0)
        Fail(device_->Drain());
}

void AtomicFile::Commit()
{
    // A writer handed the device may have met a failed write and gone on.
    if (const int error = device_->Drain())
        Fail(error);
    if (::fsync(descriptor_) != 0)
        Fail(errno);
    if (keptMode_ >= 0 && ::fchmod(descriptor_, static_cast<mode_t>(keptMode_)) != 0)
        Fail(errno);
    const int descriptor = descriptor_;
    descriptor_ = -1;
    if (::close(descriptor) != 0)
        Fail(errno);
    if (::rename(temporary_.constData(), target_.constData()) != 0)
        Fail(errno);
    temporary_.clear();
    SyncFolder(target_);
}

void AtomicFile::Fail(int error)
{
    const QString reason = SystemReason(error);
    Discard();
    throw FileError(Message{MessageId::WriteFailed, {DisplayPath(path_).toStdString(), reason.toStdString()}});
}

void AtomicFile::Discard()
{
    // Gone from the folder first, so that closing writes nothing that lasts.
    if (!temporary_.isEmpty())
        ::unlink(temporary_.constData());
    temporary_.clear();
    device_.reset();
    if (descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = -1;
}

} // namespace zol
