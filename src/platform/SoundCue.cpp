#include "SoundCue.h"

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

// A sound cue is a few seconds long; a file far larger than that is refused rather than
// read.
constexpr qint64 LargestCue = 16 * 1024 * 1024;

} // namespace

SoundCue::SoundCue(QObject* parent)
    : QObject(parent)
{ }

SoundCue::~SoundCue()
{
    stop();
}

QString SoundCue::openErrorText(const QString& relativeName, const QString& reason)
{
    return QStringLiteral("No se puede abrir el archivo de sonido %1.\n%2").arg(relativeName, reason);
}

bool SoundCue::open(const QString& relativeName)
{
    const QString path = SoundPaths::resolve(relativeName);
    QString reason;
    QFile file(path);
    if (!QFileInfo::exists(path)) {
        reason = QStringLiteral("No se encuentra el archivo especificado. Asegúrese de que la ruta y el "
                                "nombre del archivo son correctos.");
    } else if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        reason = QStringLiteral("No se puede leer el archivo. Compruebe que tiene permiso para abrirlo.");
    } else if (file.size() > LargestCue) {
        reason = QStringLiteral("El archivo es demasiado grande para ser un sonido breve.");
    } else {
        m_wav = wav::check(
            [&file](std::uint64_t offset, std::span<std::byte> into) {
                return file.seek(qint64(offset))
                       && file.read(reinterpret_cast<char*>(into.data()), qint64(into.size())) == qint64(into.size());
            },
            std::uint64_t(file.size()));
        reason = reasonFor(m_wav.problem);
        if (reason.isEmpty()) {
            file.seek(qint64(m_wav.dataOffset));
            const QByteArray data = file.read(m_wav.dataBytes);
            m_samples =
                AudioOutput::convert(std::as_bytes(std::span(data.constData(), std::size_t(data.size()))), m_wav);
        }
    }
    if (!reason.isEmpty()) {
        MessageBoxes::showError(openErrorText(relativeName, reason));
        return false;
    }
    return true;
}

bool SoundCue::isSounding() const
{
    // A play still waiting for the output to flow counts as sounding, so that plays made
    // meanwhile are not heard all at once when it does.
    return m_sinceStart.isValid() && (m_sinceStart.elapsed() < m_wav.durationMs() || AudioOutput::isActive(m_voice));
}

void SoundCue::play()
{
    if (!isOpen() || isSounding())
        return;
    m_voice = AudioOutput::start(m_samples);
    m_sinceStart.start();
}

void SoundCue::stop()
{
    if (m_sinceStart.isValid())
        AudioOutput::stop(m_voice);
    m_sinceStart.invalidate();
}
