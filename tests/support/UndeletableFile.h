#pragma once

#include <QByteArray>
#include <QString>

// A file that nothing can delete while this lives, so that removing it or the folder that
// holds it fails: the file system's immutable flag where the process may set it (root), else
// a read-only folder around it (which stops every user but root). Undone on destruction, so
// the test's temporary folder can be cleaned up.
class UndeletableFile
{
public:
    // Creates the file holding `content`, with its folders.
    explicit UndeletableFile(QString path, const QByteArray &content = QByteArrayLiteral("pinned\n"));
    ~UndeletableFile();
    UndeletableFile(const UndeletableFile &) = delete;
    UndeletableFile &operator=(const UndeletableFile &) = delete;

    // False when neither way works here; the test should skip then.
    bool isActive() const { return m_mode != Mode::none; }

private:
    enum class Mode { none, immutable, readOnlyFolder };

    bool setImmutable(bool on) const;

    QString m_path;
    Mode m_mode = Mode::none;
};
