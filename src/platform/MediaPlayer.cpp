#include "MediaPlayer.h"

#include "MessageBoxes.h"
#include "SoundPaths.h"

#include <QFile>
#include <QFileInfo>

namespace {

QString reasonFor(wav::Problem problem)
{
    switch (problem) {
    case wav::Problem::None:
        return {};
    case wav::Problem::Empty:
        return QStringLiteral("El archivo está vacío.");
    case wav::Problem::NotRiffWave:
        return QStringLiteral("El archivo no es un archivo de sonido WAV.");
    case wav::Problem::ChunkOutsideFile:
        return QStringLiteral("El archivo WAV está dañado: sus bloques no caben en el archivo.");
    case wav::Problem::NoFormat:
        return QStringLiteral("El archivo WAV está dañado: le falta la descripción del formato.");
    case wav::Problem::NotPcm:
        return QStringLiteral("El archivo WAV no está en formato PCM.");
    case wav::Problem::BadFormat:
        return QStringLiteral("El archivo WAV describe un formato de sonido que no se puede reproducir.");
    case wav::Problem::NoData:
        return QStringLiteral("El archivo WAV no contiene datos de sonido.");
    }
    return {};
}

} // namespace

MediaPlayer::MediaPlayer(QObject* parent)
    : QObject(parent)
{
}

MediaPlayer::~MediaPlayer()
{
    stop();
}

QString MediaPlayer::openErrorText(const QString& relativeName, const QString& reason)
{
    return QStringLiteral("No se puede abrir el archivo de sonido %1.\n%2").arg(relativeName, reason);
}

bool MediaPlayer::open(const QString& relativeName)
{
    const QString path = SoundPaths::resolve(relativeName);
    QString reason;
    QFile file(path);
    if (!QFileInfo::exists(path)) {
        reason = QStringLiteral("No se encuentra el archivo especificado. Asegúrese de que la ruta y el "
                                "nombre del archivo son correctos.");
    } else if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        reason = QStringLiteral("No se puede leer el archivo. Compruebe que tiene permiso para abrirlo.");
    } else {
        const QByteArray bytes = file.readAll();
        const auto content = std::as_bytes(std::span(bytes.constData(), std::size_t(bytes.size())));
        m_wav = wav::check(content);
        reason = reasonFor(m_wav.problem);
        if (reason.isEmpty())
            m_samples = AudioOutput::convert(content, m_wav);
    }
    if (!reason.isEmpty()) {
        MessageBoxes::showError(openErrorText(relativeName, reason));
        return false;
    }
    AudioOutput::prepare();
    return true;
}

bool MediaPlayer::isSounding() const
{
    return m_sinceStart.isValid() && m_sinceStart.elapsed() < m_wav.durationMs();
}

void MediaPlayer::play()
{
    if (!isOpen() || isSounding())
        return;
    m_voice = AudioOutput::start(m_samples);
    m_sinceStart.start();
}

void MediaPlayer::stop()
{
    if (m_sinceStart.isValid())
        AudioOutput::stop(m_voice);
    m_sinceStart.invalidate();
}
