#pragma once

#include <QByteArray>
#include <QtEndian>

// Builds WAV files byte by byte, good or broken in one chosen way.
struct WavBytes {
    quint16 format = 1;
    quint16 channels = 1;
    quint32 rate = 22050;
    quint16 bits = 16;
    quint32 samples = 2205;
    qint64 riffSizeDelta = 0; // added to the true RIFF size
    qint64 dataSizeDelta = 0; // added to the true data size
    bool withFormat = true;
    bool withData = true;
    bool dataBeforeFormat = false;
    QByteArray extraChunk; // a whole chunk inserted after "fmt "

    static QByteArray le32(quint32 v)
    {
        QByteArray b(4, 0);
        qToLittleEndian(v, b.data());
        return b;
    }
    static QByteArray le16(quint16 v)
    {
        QByteArray b(2, 0);
        qToLittleEndian(v, b.data());
        return b;
    }

    QByteArray build() const
    {
        const quint16 blockAlign = quint16(channels * (bits / 8));
        QByteArray fmt = "fmt " + le32(16) + le16(format) + le16(channels) + le32(rate) + le32(rate * blockAlign)
                         + le16(blockAlign) + le16(bits);
        QByteArray pcm(qsizetype(samples) * blockAlign, 0);
        for (qsizetype i = 0; i + 1 < pcm.size(); i += 2)
            pcm[i + 1] = char((i / 2) % 40 < 20 ? 0x30 : 0xd0); // a square wave
        const QByteArray data = "data" + le32(quint32(pcm.size() + dataSizeDelta)) + pcm;
        QByteArray body = "WAVE";
        if (dataBeforeFormat && withData)
            body += data;
        if (withFormat)
            body += fmt;
        body += extraChunk;
        if (!dataBeforeFormat && withData)
            body += data;
        return "RIFF" + le32(quint32(body.size() + riffSizeDelta)) + body;
    }
};
