#include "menubar/AppSound.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

// The sounds are made by scripts/make-sounds.py. These checks stand in for listening: a
// file that starts or stops abruptly, jumps, clips or drags on is heard as a fault.

namespace {

int peakOf(const QList<int> &samples, qsizetype from, qsizetype count)
{
    int peak = 0;
    for (qsizetype i = from; i < from + count; ++i)
        peak = std::max(peak, std::abs(samples[i]));
    return peak;
}

} // namespace

TEST(BundledSoundsTest, EverySoundIsAShortCleanMonoPcmFile)
{
    for (AppSound sound : allAppSounds()) {
        SCOPED_TRACE(appSoundFileName(sound).toStdString());
        QFile file(QDir(bundledSoundFolder()).filePath(appSoundFileName(sound)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray wav = file.readAll();
        const char *header = wav.constData();
        // The plain 44-byte header the script writes: PCM, mono, 16 bits, then the samples.
        ASSERT_GE(wav.size(), 44);
        ASSERT_EQ(wav.first(4), "RIFF");
        ASSERT_EQ(wav.sliced(8, 8), "WAVEfmt ");
        EXPECT_EQ(qFromLittleEndian<quint16>(header + 20), 1);
        EXPECT_EQ(qFromLittleEndian<quint16>(header + 22), 1);
        const int rate = int(qFromLittleEndian<quint32>(header + 24));
        EXPECT_TRUE(rate == 44100 || rate == 48000) << rate;
        EXPECT_EQ(qFromLittleEndian<quint16>(header + 34), 16);
        ASSERT_EQ(wav.sliced(36, 4), "data");
        ASSERT_EQ(qFromLittleEndian<quint32>(header + 40), quint32(wav.size() - 44));
        QList<int> s;
        for (qsizetype at = 44; at + 2 <= wav.size(); at += 2)
            s.append(qFromLittleEndian<qint16>(header + at));

        const double seconds = double(s.size()) / rate;
        EXPECT_GT(seconds, 0.2);
        EXPECT_LT(seconds, 1.0);
        // Loud enough to notice, with headroom: about -6 dBFS.
        const int peak = peakOf(s, 0, s.size());
        EXPECT_NEAR(20 * std::log10(peak / 32768.0), -6.0, 1.0);
        // Fades in and out: the first millisecond and the last ten stay far below the peak,
        // and the very first and last samples are silence.
        const qsizetype ms = rate / 1000;
        EXPECT_LT(peakOf(s, 0, ms), peak / 4);
        EXPECT_LT(peakOf(s, s.size() - 10 * ms, 10 * ms), peak / 20);
        EXPECT_LE(std::abs(s.constFirst()) + std::abs(s.constLast()), peak / 100);
        // No step between neighbouring samples as large as a click would make.
        int largestStep = 0;
        for (qsizetype i = 1; i < s.size(); ++i)
            largestStep = std::max(largestStep, std::abs(s[i] - s[i - 1]));
        EXPECT_LT(largestStep, 32768 / 4);
    }
}
