#pragma once
// A small tmpfs mounted in a fresh folder for the length of a test: filled,
// it is a full disk, with the system's own "No space left on device". Mounting
// needs root (tests and CI run as root here); without the right the disk is
// not mounted and the test skips with the reason in its output:
//
//     SmallDisk disk;
//     if (!disk.mounted()) GTEST_SKIP() << disk.why();

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace zol::test {

class SmallDisk {
public:
    explicit SmallDisk(int kilobytes = 512)
    {
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
        if (!folder_.isValid())
            why_ = "no temporary folder for the mount";
        else if (::mount("tmpfs", Native(folder_.path()).constData(), "tmpfs", 0, options.constData()) != 0)
            why_ = std::string("cannot mount a small tmpfs to stand for a full disk (needs root): ") +
                   std::strerror(errno);
        else
            mounted_ = true;
    }
    ~SmallDisk()
    {
        if (mounted_)
            ::umount2(Native(folder_.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& why() const { return why_; }
    QString Path(const QString& name) const { return folder_.filePath(name); }

    // Takes every free block, so that the next byte written anywhere on the
    // disk fails.
    void Fill() const
    {
        const int file = ::open(Native(Path(QStringLiteral(".filler"))).constData(), O_WRONLY | O_CREAT, 0600);
        static const char block[4096] = {};
        while (::write(file, block, sizeof block) > 0) {
        }
        while (::write(file, block, 1) > 0) {
        }
        ::close(file);
    }

private:
    static QByteArray Native(const QString& path) { return QFile::encodeName(path); }

    QTemporaryDir folder_;
    bool mounted_ = false;
    std::string why_;
};

} // namespace zol::test
