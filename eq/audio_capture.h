#pragma once
// The sound card's input as the spectrum analyser sees it: recording that starts or fails, and
// blocks of kBlockSamples unsigned 8-bit mono samples at 48 kHz (silence 128).

#include <QByteArray>
#include <QObject>
#include <QString>

namespace aec {

class AudioCapture : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // Opens the default input and starts recording; false when there is no input device or
    // recording cannot start.
    virtual bool start() = 0;
    // Stops recording; nothing is reported after it.
    virtual void stop() = 0;
    // Recording runs.
    virtual bool available() const = 0;

  signals:
    // One whole block, delivered on the thread the capture object lives in.
    void blockCaptured(const QByteArray& samples);
    // Recording stopped by itself with an error (the device went away); reported once.
    void failed(const QString& reason);
};

}  // namespace aec
