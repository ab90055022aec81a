// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "jetreaderprocess.h"

#include "jetanswer.h"
#include "jetfailure.h"
#include "jetheader.h"

#include <QFile>
#include <QLoggingCategory>
#include <QProcess>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcJetReader, "voruvar.platform.jetreader")

namespace Voruvar::Platform {

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Closes the descriptor when the read is over, whichever way it ends.
struct FileDescriptor
{
    int fd = -1;
    ~FileDescriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Another program has the file open exclusively: it holds an exclusive flock, or one write
// lock over the whole file. Range locks, which a database open in a console holds as a matter
// of course (Jet's own, or those of a share serving Windows consoles), do not keep it from
// being read alongside.
bool lockedByOther(int fd, off_t size)
{
    if (::flock(fd, LOCK_SH | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK)
            return true;
    } else {
        ::flock(fd, LOCK_UN);
    }
    // A whole-file write lock covers the first byte, and no other owner can hold a write lock
    // there beside it: the lock that conflicts there is the one to look at.
    struct flock probe
    {
    };
    probe.l_type = F_RDLCK;
    probe.l_whence = SEEK_SET;
    probe.l_start = 0;
    probe.l_len = 1;
    if (::fcntl(fd, F_OFD_GETLK, &probe) != 0 || probe.l_type == F_UNLCK)
        return false;
    return probe.l_start == 0 && (probe.l_len == 0 || probe.l_len >= size);
}

} // namespace

JetReaderProcess::JetReaderProcess(QString readerProgram, int timeLimitMs)
    : m_program(std::move(readerProgram)), m_timeLimitMs(timeLimitMs)
{}

JetKeyRead JetReaderProcess::readKey(const JetKeyQuery &query)
{
    const QByteArray path = QFile::encodeName(query.file);
    // No file, no reader process: a missing database fails in microseconds.
    struct stat info
    {
    };
    if (::stat(path.constData(), &info) != 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return JetKeyRead::failed(
                jetFailure(JetFailure::FileMissing, QStringLiteral("no database file %1").arg(query.file)));
        return JetKeyRead::failed(jetFailure(
            JetFailure::FileUnreadable, QStringLiteral("cannot reach %1: %2").arg(query.file, systemError(error))));
    }
    if (S_ISDIR(info.st_mode))
        return JetKeyRead::failed(
            jetFailure(JetFailure::FileMissing, QStringLiteral("%1 is a folder, not a database file").arg(query.file)));

    // Not close-on-exec: the reader program reads this very descriptor.
    FileDescriptor file{::open(path.constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK)};
    if (file.fd < 0)
        return JetKeyRead::failed(jetFailure(JetFailure::FileUnreadable,
                                             QStringLiteral("cannot open %1: %2").arg(query.file, systemError(errno))));
    if (::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode))
        return JetKeyRead::failed(
            jetFailure(JetFailure::FileUnreadable, QStringLiteral("%1 is not a regular file").arg(query.file)));
    if (lockedByOther(file.fd, info.st_size))
        return JetKeyRead::failed(
            jetFailure(JetFailure::Locked, QStringLiteral("%1 is locked by another program").arg(query.file)));

    char page[JetHeader::minimumSize];
    const ssize_t got = ::pread(file.fd, page, sizeof page, 0);
    if (got < 0)
        return JetKeyRead::failed(jetFailure(JetFailure::FileUnreadable,
                                             QStringLiteral("cannot read %1: %2").arg(query.file, systemError(errno))));
    const std::optional<JetHeader> header = JetHeader::parse(QByteArrayView(page, got));
    if (!header)
        return JetKeyRead::failed(
            jetFailure(JetFailure::NotJet, QStringLiteral("%1 is not a Jet database").arg(query.file)));
    if (header->format() == JetHeader::Format::Later)
        return JetKeyRead::failed(
            jetFailure(JetFailure::Unsupported,
                       QStringLiteral("%1 is in a newer Access format than Jet 3 or Jet 4").arg(query.file)));
    // Jet files are whole pages; anything else was cut short (a copy that broke off, a full disk).
    const qint64 pageSize = header->format() == JetHeader::Format::Jet3 ? 2048 : 4096;
    if (info.st_size % pageSize != 0)
        return JetKeyRead::failed(jetFailure(
            JetFailure::Damaged,
            QStringLiteral("%1 is cut short (%2 bytes, not whole pages)").arg(query.file).arg(qint64(info.st_size))));
    if (!header->accepts(query.password))
        return JetKeyRead::failed(
            jetFailure(JetFailure::WrongPassword,
                       QStringLiteral("the database password of %1 is not the expected one").arg(query.file)));

    const FileStamp stamp{quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size),
                          qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
                          qint64(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec};
    if (m_last && m_last->query == query && m_last->stamp == stamp)
        return m_last->read;

    JetKeyRead read = runReader(query, file.fd);
    // Only answers that follow from the file's bytes are kept; a reader that was slow or could
    // not be started may do better at the next attempt.
    const bool worthKeeping = read.outcome != JetKeyRead::Outcome::Failed ||
                              (read.failure.number != int(JetFailure::ReaderMissing) &&
                               read.failure.number != int(JetFailure::ReaderTimedOut));
    if (worthKeeping)
        m_last = Answer{query, stamp, read};
    else
        m_last.reset();
    return read;
}

JetKeyRead JetReaderProcess::runReader(const JetKeyQuery &query, int fd)
{
    ++m_readerRuns;
    QProcess reader;
    reader.setProgram(m_program);
    reader.setArguments(
        {QStringLiteral("/dev/fd/%1").arg(fd), query.table, query.keyColumn, query.key, query.valueColumn});
    reader.setStandardInputFile(QProcess::nullDevice());
    reader.setStandardErrorFile(QProcess::nullDevice());
    reader.start(QIODevice::ReadOnly);
    if (!reader.waitForStarted(m_timeLimitMs)) {
        return JetKeyRead::failed(
            jetFailure(JetFailure::ReaderMissing,
                       QStringLiteral("cannot start the database reader %1: %2").arg(m_program, reader.errorString())));
    }
    if (!reader.waitForFinished(m_timeLimitMs)) {
        reader.kill();
        reader.waitForFinished(1000);
        qCWarning(lcJetReader) << "Reading" << query.file << "took longer than" << m_timeLimitMs << "ms";
        return JetKeyRead::failed(jetFailure(JetFailure::ReaderTimedOut,
                                             QStringLiteral("the database reader took longer than %1 ms reading %2")
                                                 .arg(m_timeLimitMs)
                                                 .arg(query.file)));
    }
    if (reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0) {
        qCWarning(lcJetReader) << "The reader ended abnormally reading" << query.file;
        return JetKeyRead::failed(jetFailure(JetFailure::ReaderCrashed,
                                             QStringLiteral("the database reader crashed reading %1").arg(query.file)));
    }
    return readerAnswer(reader.readAllStandardOutput(), query.file);
}

} // namespace Voruvar::Platform
