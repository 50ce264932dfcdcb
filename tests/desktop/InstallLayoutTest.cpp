#include "core/AppIcon.h"
#include "core/InfoDictionary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

constexpr int kTimeoutMs = 30000;
const QList<int> hicolorSides = {16, 22, 24, 32, 48, 64, 128, 256, 512};

struct Outcome
{
    bool ran = false;
    int exitCode = -1;
    QString output; // standard output and errors together
};

Outcome runCapturing(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Outcome outcome;
    outcome.ran = process.waitForFinished(kTimeoutMs) && process.exitStatus() == QProcess::NormalExit;
    outcome.exitCode = process.exitCode();
    outcome.output = QString::fromUtf8(process.readAll()).trimmed();
    return outcome;
}

// The keys of the [Desktop Entry] group, values as written.
QHash<QString, QString> desktopEntryKeys(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QHash<QString, QString> keys;
    bool inEntryGroup = false;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('[')))
            inEntryGroup = line == QStringLiteral("[Desktop Entry]");
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inEntryGroup && equals > 0)
            keys.insert(line.left(equals), line.mid(equals + 1));
    }
    return keys;
}

// The largest difference of one colour channel between two images of one size.
int largestChannelDifference(const QImage &a, const QImage &b)
{
    const QImage first = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage second = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int largest = 0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            const QRgb p = first.pixel(x, y);
            const QRgb q = second.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

QImage renderSvg(const QString &path, int side)
{
    QSvgRenderer renderer(path);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (!renderer.isValid())
        return QImage();
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

} // namespace

// `cmake --install` of the build this test belongs to, once for all its tests, into a prefix
// whose path holds a space, as a home folder's may.
class InstallLayoutTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_root = std::make_unique<QTemporaryDir>();
        s_prefix = s_root->filePath(QStringLiteral("install prefix"));
        const QString buildTree = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/..");
        const QString cmake = QStandardPaths::findExecutable(QStringLiteral("cmake"));
        s_install = cmake.isEmpty()
                        ? Outcome{false, -1, QStringLiteral("cmake is not on the search path")}
                        : runCapturing(cmake, {"--install", buildTree, "--prefix", s_prefix});
    }
    static void TearDownTestSuite() { s_root.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(s_install.ran && s_install.exitCode == 0) << qPrintable(s_install.output);
    }

    static QString installed(const QString &relativePath) { return s_prefix + "/" + relativePath; }
    static QString entryPath()
    {
        return installed("share/applications/" + appBundleIdentifier() + ".desktop");
    }
    static QString metainfoPath()
    {
        return installed("share/metainfo/" + appBundleIdentifier() + ".metainfo.xml");
    }

    static inline std::unique_ptr<QTemporaryDir> s_root;
    static inline QString s_prefix;
    static inline Outcome s_install;
};

TEST_F(InstallLayoutTest, EntryUnderTheApplicationIdStartsTheInstalledBinary)
{
    const QString binary = installed("bin/lumenpause");
    ASSERT_TRUE(QFileInfo(binary).isExecutable()) << qPrintable(binary);

    const QHash<QString, QString> entry = desktopEntryKeys(entryPath());
    EXPECT_EQ(entry.value("Type"), "Application");
    EXPECT_EQ(entry.value("Name"), resolveAppDisplayName());
    EXPECT_FALSE(entry.value("Comment").isEmpty());
    // Quoted, since the prefix holds a space; named in full, since the prefix's bin folder
    // need not be on the desktop's search path.
    EXPECT_EQ(entry.value("Exec"), '"' + binary + '"');
    EXPECT_EQ(entry.value("Icon"), appBundleIdentifier());
    EXPECT_EQ(entry.value("Terminal"), "false");
    EXPECT_TRUE(entry.value("Categories").split(';').contains("Utility"));
    // Qt's X11 windows carry the program's name as their class.
    EXPECT_EQ(entry.value("StartupWMClass"), QFileInfo(binary).fileName());

    QFile metainfo(metainfoPath());
    ASSERT_TRUE(metainfo.open(QIODevice::ReadOnly));
    const QByteArray xml = metainfo.readAll();
    EXPECT_TRUE(xml.contains("<id>" + appBundleIdentifier().toUtf8() + "</id>"));
    EXPECT_TRUE(xml.contains(">" + appBundleIdentifier().toUtf8() + ".desktop</launchable>"));
}

TEST_F(InstallLayoutTest, IconIsTheApplicationIconAtEveryHicolorSizeAndScalable)
{
    const QString name = appBundleIdentifier();
    for (const int side : hicolorSides) {
        SCOPED_TRACE(side);
        const QString folder = QStringLiteral("share/icons/hicolor/%1x%1/apps/").arg(side);
        const QImage png(installed(folder + name + ".png"));
        ASSERT_EQ(png.size(), QSize(side, side));
        EXPECT_LE(largestChannelDifference(png, AppIcon::desktopImage(side)), 1);
    }
    // Drawn back by an SVG renderer, the scalable icon is the same picture: its margin, its
    // tile, both gradients and the leaf with its shade. Edges are smoothed a little
    // differently, hence the slack.
    constexpr int side = 128;
    const QImage svg = renderSvg(installed("share/icons/hicolor/scalable/apps/" + name + ".svg"), side);
    ASSERT_FALSE(svg.isNull());
    EXPECT_LE(largestChannelDifference(svg, AppIcon::desktopImage(side)), 8);
}

TEST_F(InstallLayoutTest, DesktopFileValidateFindsNothingInTheEntry)
{
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    if (validator.isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed (desktop-file-utils)";
    const Outcome check = runCapturing(validator, {entryPath()});
    EXPECT_TRUE(check.ran);
    EXPECT_EQ(check.exitCode, 0);
    EXPECT_EQ(check.output, QString()) << "warnings and hints too";
}

TEST_F(InstallLayoutTest, AppstreamcliAcceptsTheMetainfoOffline)
{
    const QString validator = QStandardPaths::findExecutable("appstreamcli");
    if (validator.isEmpty())
        GTEST_SKIP() << "appstreamcli is not installed (appstream)";
    const Outcome check = runCapturing(validator, {"validate", "--no-net", metainfoPath()});
    EXPECT_TRUE(check.ran);
    EXPECT_EQ(check.exitCode, 0) << qPrintable(check.output);
}
