// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

// A folder on which every write fails for want of room: a small tmpfs mounted there and filled
// to the brim where mounting is allowed (as root), else a file-size limit of this process with
// SIGXFSZ ignored, which fails the same writes through the same code. Files put there before
// fill() are the ones a failed save must leave alone.
class FullFolder {
public:
    FullFolder()
    {
        mounted_ = ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0,
                           "size=256k") == 0;
    }
    ~FullFolder()
    {
        release();
        if (mounted_)
            ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }
    FullFolder(const FullFolder &) = delete;
    FullFolder &operator=(const FullFolder &) = delete;

    QString filePath(const QString &name) const { return dir_.filePath(name); }

    bool put(const QString &name, const QByteArray &bytes)
    {
        QFile file(filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    // No room from here on; false when the folder could not be filled.
    bool fill()
    {
        if (!mounted_) {
            ::getrlimit(RLIMIT_FSIZE, &saved_);
            rlimit none = saved_;
            none.rlim_cur = 0;
            oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
            limited_ = ::setrlimit(RLIMIT_FSIZE, &none) == 0;
            return limited_;
        }
        const int fd =
            ::open(QFile::encodeName(filePath(filler)).constData(), O_WRONLY | O_CREAT, 0600);
        if (fd < 0)
            return false;
        const QByteArray block(4096, 'f');
        ssize_t wrote = 0;
        while ((wrote = ::write(fd, block.constData(), block.size())) > 0) {
        }
        // The last partial block: write byte by byte up to the brim.
        while (::write(fd, "f", 1) == 1) {
        }
        const bool full = errno == ENOSPC;
        ::close(fd);
        return full;
    }

    // Lifts the size limit again; the mounted file system stays full until it is unmounted.
    void release()
    {
        if (!limited_)
            return;
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
        limited_ = false;
    }

    // The system's words for the failure each way of filling gives.
    QString systemError() const
    {
        return QString::fromLocal8Bit(std::strerror(mounted_ ? ENOSPC : EFBIG));
    }

    // Every file in the folder but the filler.
    QStringList files() const
    {
        QStringList names = QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden);
        names.removeAll(filler);
        return names;
    }

private:
    static constexpr const char *filler = ".filler";
    QTemporaryDir dir_;
    bool mounted_ = false;
    bool limited_ = false;
    rlimit saved_{};
    void (*oldHandler_)(int) = SIG_DFL;
};
