// LockedDir: a directory nobody may create files in, for tests of failed writes.
#pragma once

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QString>

// A directory nobody may create files in; for root the immutable flag does what permissions cannot.
class LockedDir {
public:
    explicit LockedDir(const QString& path) : path_(path) {
        QDir().mkpath(path);
        ::chmod(QFile::encodeName(path).constData(), 0555);
        if (geteuid() == 0) SetImmutable(true);
    }
    ~LockedDir() {
        SetImmutable(false);
        ::chmod(QFile::encodeName(path_).constData(), 0755);
    }
    bool Locked() const {
        QFile probe(path_ + "/probe");
        if (!probe.open(QIODevice::WriteOnly)) return true;
        probe.remove();
        return false;
    }

private:
    void SetImmutable(bool on) {
        const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0) return;
        int flags = 0;
        if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        ::close(fd);
    }
    QString path_;
};
