// Assigns settings in a tight loop on the store at the given path and flushes after every
// round, printing the round's number just before its flush, until it is killed. The value of
// every round is consistent with itself, so a reader can tell a torn file from a whole one.
//
// Usage: settings_write_burst <file path> <payload characters>

#include "core/FileSettingsRepository.h"
#include "core/SystemClock.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const qsizetype payloadSize = QByteArray(argv[2]).toLongLong();

    SystemClock clock;
    FileSettingsRepository store(path, clock);
    std::printf("ready\n");
    std::fflush(stdout);
    for (qint64 round = 1; round < 1'000'000; ++round) {
        const QChar mark(char16_t(u'a' + round % 26));
        store.setInteger(QStringLiteral("round"), round);
        store.setString(QStringLiteral("payload"), QString(payloadSize, mark));
        store.setObject(QStringLiteral("nested"),
                        QVariantMap{{QStringLiteral("round"), round},
                                    {QStringLiteral("size"), qint64(payloadSize)},
                                    {QStringLiteral("marks"),
                                     QVariantList{QString(mark), round % 2 == 0}}});
        // Announced before the flush, so that a reader killing on this line catches the
        // writer in the middle of it; every earlier round is already on disk.
        std::printf("%lld\n", static_cast<long long>(round));
        std::fflush(stdout);
        store.flush();
    }
    return 0;
}
