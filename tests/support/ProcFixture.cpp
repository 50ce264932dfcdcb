#include "support/ProcFixture.h"

#include <QDir>
#include <QFile>

namespace {

constexpr unsigned long kKernelThreadFlag = 0x00200000;

bool write(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

ProcFixture::ProcFixture() = default;

QByteArray ProcFixture::root() const
{
    return QFile::encodeName(m_folder.path());
}

bool ProcFixture::add(const Process &process)
{
    const QString folder = m_folder.filePath(QString::number(process.pid));
    if (!QDir().mkpath(folder))
        return false;
    const QByteArray pid = QByteArray::number(process.pid);
    const QByteArray flags = QByteArray::number(process.kernelThread ? kKernelThreadFlag : 0x400000);
    const QByteArray stat = pid + " (" + process.name + ") S 1 " + pid + ' ' + pid + " 0 -1 "
                            + flags + " 120 0 0 0 1 2 0 0 20 0 1 0 300\n";
    const QByteArray uid = QByteArray::number(process.uid);
    const QByteArray status = "Name:\t" + process.name + "\nUmask:\t0022\nState:\tS (sleeping)\n"
                              "Tgid:\t" + pid + "\nPid:\t" + pid + "\nPPid:\t1\n"
                              "Uid:\t" + uid + '\t' + uid + '\t' + uid + '\t' + uid + "\n";
    if (!write(folder + "/stat", stat) || !write(folder + "/status", status)
        || !write(folder + "/cgroup", process.cgroup + '\n'))
        return false;
    return process.executable.isEmpty()
           || QFile::link(QString::fromUtf8(process.executable), folder + "/exe");
}

void ProcFixture::remove(int pid)
{
    QDir(m_folder.filePath(QString::number(pid))).removeRecursively();
}
