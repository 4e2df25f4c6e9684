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
    // When set, the format is the extensible one (tag 0xFFFE) naming its samples by this
    // sub-format GUID; `format` is then ignored.
    QByteArray subFormat;
    quint16 extensionSize = 22; // the extensible format's cbSize

    // Sub-format GUIDs as a file stores them: PCM and IEEE float samples.
    static QByteArray pcmSubFormat() { return QByteArray::fromHex("0100000000001000800000aa00389b71"); }
    static QByteArray floatSubFormat() { return QByteArray::fromHex("0300000000001000800000aa00389b71"); }

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
        const QByteArray figures = le16(subFormat.isEmpty() ? format : quint16(0xFFFE)) + le16(channels) + le32(rate)
                                   + le32(rate * blockAlign) + le16(blockAlign) + le16(bits);
        const QByteArray extension =
            subFormat.isEmpty() ? QByteArray() : le16(extensionSize) + le16(bits) + le32(0) + subFormat;
        const QByteArray fmt = "fmt " + le32(quint32(figures.size() + extension.size())) + figures + extension;
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
