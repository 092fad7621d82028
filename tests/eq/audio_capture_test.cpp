// The sound card capture end to end against a private PulseAudio server: its 1 kHz sine source
// is the default input, recorded in whole blocks; then the server goes away, as an unplugged
// device does, and recording reports it once.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "eq/qt_audio_capture.h"
#include "eq/spectrum_transform.h"

namespace aec {
namespace {

constexpr int kWaitMs = 10000;  // the sine source hands out two seconds at a time

QCoreApplication& application() {
    static int argc = 1;
    static char name[] = "e2e_audio_capture";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

int loudestBin(const QByteArray& block) {
    SpectrumTransform transform;
    transform.ComputeSpectrum(std::span<const std::uint8_t, kBlockSamples>(
        reinterpret_cast<const std::uint8_t*>(block.constData()), kBlockSamples));
    const auto& bins = transform.output();
    const auto half = bins.begin() + kBlockSamples;
    return static_cast<int>(
        std::max_element(bins.begin(), half,
                         [](auto a, auto b) { return std::abs(a) < std::abs(b); }) -
        bins.begin());
}

TEST(AudioCapture, RecordsTheDefaultInputAndReportsItsLoss) {
    application();
    const QString pulseaudio = QStandardPaths::findExecutable("pulseaudio");
    if (pulseaudio.isEmpty()) {
        GTEST_SKIP() << "pulseaudio is not installed (scripts/deps installs it)";
    }
    QTemporaryDir dir;
    const QString socket = dir.filePath("native");
    QFile script(dir.filePath("test.pa"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("load-module module-native-protocol-unix auth-anonymous=1 socket=" +
                 QFile::encodeName(socket) +
                 "\nload-module module-sine-source source_name=sine rate=48000 frequency=1000\n");
    script.close();

    // A server of the test's own, reached by its socket only.
    QProcess server;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", dir.path());
    env.insert("XDG_RUNTIME_DIR", dir.path());
    server.setProcessEnvironment(env);
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.start(pulseaudio, {"-n", "-F", script.fileName(), "--daemonize=no",
                              "--exit-idle-time=-1", "--use-pid-file=no", "--log-level=error"});
    ASSERT_TRUE(server.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(socket); }, kWaitMs));
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(socket));

    QtAudioCapture capture;
    QSignalSpy blocks(&capture, &AudioCapture::blockCaptured);
    QSignalSpy failures(&capture, &AudioCapture::failed);
    ASSERT_TRUE(capture.start()) << capture.lastError().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return blocks.count() >= 3; }, kWaitMs));
    for (const QList<QVariant>& b : blocks) {
        ASSERT_EQ(b[0].toByteArray().size(), kBlockSamples);
    }
    // 1000 Hz is bin 42.7 of the 2048-point transform at 48 kHz.
    const int bin = loudestBin(blocks[1][0].toByteArray());
    EXPECT_TRUE(bin == 42 || bin == 43) << bin;

    server.kill();
    ASSERT_TRUE(failures.wait(kWaitMs));
    EXPECT_FALSE(capture.available());
    QTest::qWait(200);
    EXPECT_EQ(failures.count(), 1);
    server.waitForFinished();
}

}  // namespace
}  // namespace aec
