#include "eq/qt_audio_capture.h"

#include <QAudioSource>
#include <QMediaDevices>
#include <memory>

namespace aec {

namespace {

constexpr std::array<QAudioFormat::SampleFormat, 4> kPreferredFormats = {
    QAudioFormat::UInt8, QAudioFormat::Int16, QAudioFormat::Int32, QAudioFormat::Float};
constexpr int kReadChunk = 4096;

}  // namespace

std::optional<QAudioFormat> captureFormat(const QAudioDevice& device) {
    if (device.isNull()) {
        return std::nullopt;
    }
    for (int channels : {1, 2}) {
        for (QAudioFormat::SampleFormat sample : kPreferredFormats) {
            QAudioFormat format;
            format.setSampleRate(kCaptureSampleRate);
            format.setChannelCount(channels);
            format.setSampleFormat(sample);
            if (device.isFormatSupported(format)) {
                return format;
            }
        }
    }
    return std::nullopt;
}

SampleFormat sampleFormatOf(const QAudioFormat& format) {
    switch (format.sampleFormat()) {
        case QAudioFormat::Int16:
            return SampleFormat::kInt16;
        case QAudioFormat::Int32:
            return SampleFormat::kInt32;
        case QAudioFormat::Float:
            return SampleFormat::kFloat;
        default:
            return SampleFormat::kUInt8;
    }
}

// The recording itself, on the capture thread: the audio source, its reads and the block cutter.
class QtAudioCapture::Recorder : public QObject {
  public:
    explicit Recorder(QtAudioCapture& owner) : m_owner(owner) {}

    // Opens and starts the source; the error text, or empty when recording runs.
    QString open(const QAudioDevice& device, const QAudioFormat& format) {
        close();
        m_blocks = std::make_unique<CaptureBlocks>(
            sampleFormatOf(format), format.channelCount(), [this](CaptureBlocks::Block block) {
                const QByteArray samples(reinterpret_cast<const char*>(block.data()),
                                         static_cast<qsizetype>(block.size()));
                QtAudioCapture* owner = &m_owner;
                QMetaObject::invokeMethod(
                    owner, [owner, samples] { owner->deliver(samples); }, Qt::QueuedConnection);
            });
        m_source = std::make_unique<QAudioSource>(device, format);
        connect(m_source.get(), &QAudioSource::stateChanged, this, &Recorder::stateChanged);
        m_device = m_source->start();
        if (m_device == nullptr || m_source->error() != QAudio::NoError) {
            const QString error = errorText(m_source->error());
            close();
            return error;
        }
        connect(m_device, &QIODevice::readyRead, this, &Recorder::readAvailable);
        return {};
    }

    void close() {
        if (m_source) {
            m_source->disconnect(this);
            m_source->stop();
        }
        m_device = nullptr;
        m_source.reset();
        m_blocks.reset();
    }

  private:
    void readAvailable() {
        if (m_device == nullptr) {
            return;
        }
        m_read.resize(kReadChunk);
        for (;;) {
            const qint64 got = m_device->read(m_read.data(), m_read.size());
            if (got <= 0) {
                break;
            }
            m_blocks->feed(std::as_bytes(std::span(m_read.constData(), static_cast<size_t>(got))));
        }
    }

    void stateChanged(QAudio::State state) {
        if (state != QAudio::StoppedState || !m_source || m_source->error() == QAudio::NoError) {
            return;
        }
        const QString reason = errorText(m_source->error());
        close();
        QtAudioCapture* owner = &m_owner;
        QMetaObject::invokeMethod(
            owner, [owner, reason] { owner->reportFailure(reason); }, Qt::QueuedConnection);
    }

    static QString errorText(QAudio::Error error) {
        switch (error) {
            case QAudio::OpenError:
                return QStringLiteral("Could not open the input device for recording");
            case QAudio::IOError:
                return QStringLiteral("Error reading from the input device");
            case QAudio::UnderrunError:
                return QStringLiteral("Input buffer overrun");
            case QAudio::FatalError:
                return QStringLiteral("The input device failed");
            case QAudio::NoError:
                break;
        }
        return QStringLiteral("Error starting wave record");
    }

    QtAudioCapture& m_owner;
    std::unique_ptr<QAudioSource> m_source;
    QIODevice* m_device = nullptr;
    std::unique_ptr<CaptureBlocks> m_blocks;
    QByteArray m_read;
};

QtAudioCapture::QtAudioCapture(QObject* parent)
    : AudioCapture(parent), m_recorder(new Recorder(*this)) {
    m_thread.setObjectName(QStringLiteral("AudioCapture"));
    m_recorder->moveToThread(&m_thread);
    // Deleted on its own thread as the thread ends.
    connect(&m_thread, &QThread::finished, m_recorder, &QObject::deleteLater);
    m_thread.start();
}

QtAudioCapture::~QtAudioCapture() {
    stop();
    m_thread.quit();
    m_thread.wait();
}

bool QtAudioCapture::start() {
    if (m_running) {
        return true;
    }
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    const std::optional<QAudioFormat> format = captureFormat(device);
    if (!format) {
        m_error = device.isNull() ? QStringLiteral("No input device")
                                  : QStringLiteral("The input device records no 48 kHz format");
        return false;
    }
    QString error;
    QMetaObject::invokeMethod(
        m_recorder, [&] { error = m_recorder->open(device, *format); },
        Qt::BlockingQueuedConnection);
    m_error = error;
    m_running = error.isEmpty();
    return m_running;
}

void QtAudioCapture::stop() {
    if (!m_running) {
        return;
    }
    m_running = false;
    QMetaObject::invokeMethod(
        m_recorder, [this] { m_recorder->close(); }, Qt::BlockingQueuedConnection);
}

void QtAudioCapture::deliver(const QByteArray& samples) {
    // Blocks still queued when recording stopped are not reported.
    if (m_running) {
        emit blockCaptured(samples);
    }
}

void QtAudioCapture::reportFailure(const QString& reason) {
    if (!m_running) {
        return;
    }
    m_running = false;
    m_error = reason;
    emit failed(reason);
}

}  // namespace aec
