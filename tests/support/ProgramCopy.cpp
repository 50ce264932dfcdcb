#include "support/ProgramCopy.h"

#include <QFile>

namespace {

constexpr int kTimeoutMs = 10000;

} // namespace

ProgramCopy::ProgramCopy(const QString &program, const QString &name)
    : m_path(m_folder.filePath(name))
{
    if (!QFile::copy(program, m_path))
        m_path.clear();
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

ProgramCopy::~ProgramCopy()
{
    kill();
}

bool ProgramCopy::start(const QStringList &arguments)
{
    if (m_path.isEmpty())
        return false;
    m_process.start(m_path, arguments);
    return m_process.waitForStarted(kTimeoutMs);
}

void ProgramCopy::kill()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(kTimeoutMs);
}
