#include "ui/mainwidget/devicePage/MusicalRhythmAbout/DSoundCardAudioCapture.h"

#include <QDebug>

DSoundCardAudioCapture::DSoundCardAudioCapture(QObject *parent)
    : QObject(parent),
      m_capture(
          [this](const char *data, int size, int sampleRate, int channelCount) {
              emit sigSendCaptureAudioData(QByteArray(data, size), packetFormat(sampleRate, channelCount));
          },
          [this](const QString &reason) {
              // On the capture thread; the line is written from ours.
              QMetaObject::invokeMethod(
                  this, [reason] { qDebug().noquote() << "Music capture ended:" << reason; },
                  Qt::QueuedConnection);
          })
{
    qRegisterMetaType<QAudioFormat>("QAudioFormat");
}

DSoundCardAudioCapture::~DSoundCardAudioCapture()
{
    stopCapture();
}

QAudioFormat DSoundCardAudioCapture::packetFormat(int sampleRate, int channelCount)
{
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(channelCount);
    format.setSampleSize(16);
    format.setCodec(QStringLiteral("audio/pcm"));
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setSampleType(QAudioFormat::SignedInt);
    return format;
}

int DSoundCardAudioCapture::startCapture()
{
    QString error;
    if (!m_capture.start(&error)) {
        if (!m_startFailureLogged)
            qDebug().noquote() << "Music capture could not start:" << error;
        m_startFailureLogged = true;
        return -1;
    }
    m_startFailureLogged = false;
    return 0;
}

int DSoundCardAudioCapture::stopCapture()
{
    m_capture.stop();
    return 0;
}

bool DSoundCardAudioCapture::isCapturing() const
{
    return m_capture.isRunning();
}
