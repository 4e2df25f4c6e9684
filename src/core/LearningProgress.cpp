#include "core/LearningProgress.h"

#include <QBuffer>

#include <utility>

void LearningProgress::recordAnswer(const QString& instrument, int question, bool right)
{
    Record& record = m_records[instrument];
    int& inARow = record.rightInARow[question];
    inARow = right ? inARow + 1 : 0;
    if (inARow >= RightInARowToLearn)
        record.learned.insert(question);
}

bool LearningProgress::isLearned(const QString& instrument, int question) const
{
    return m_records.value(instrument).learned.contains(question);
}

int LearningProgress::rightInARow(const QString& instrument, int question) const
{
    return m_records.value(instrument).rightInARow.value(question);
}

void LearningProgress::recordWhereIs(const QString& instrument, bool right)
{
    Record& record = m_records[instrument];
    ++record.whereAsked;
    if (right)
        ++record.whereRight;
}

void LearningProgress::recordExerciseMet(const QString& instrument, const QString& exercise)
{
    m_records[instrument].exercisesMet.insert(exercise);
}

LearningProgress::Figures LearningProgress::figures(const QString& instrument) const
{
    const Record record = m_records.value(instrument);
    Figures figures;
    figures.questionsAnswered = int(record.rightInARow.size());
    figures.questionsLearned = int(record.learned.size());
    figures.whereAsked = record.whereAsked;
    figures.whereRight = record.whereRight;
    figures.exercisesMet = int(record.exercisesMet.size());
    return figures;
}

void LearningProgress::setOscilloscopeSource(std::function<QImage()> source)
{
    m_oscilloscopeSource = std::move(source);
}

void LearningProgress::keepOscilloscope(const QImage& picture)
{
    m_oscilloscopeSource = nullptr;
    m_lastOscilloscopePng.clear();
    m_lastOscilloscopeFormat = picture.format();
    m_lastOscilloscopeRatio = picture.devicePixelRatio();
    if (picture.isNull())
        return;
    QBuffer buffer(&m_lastOscilloscopePng);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
}

QImage LearningProgress::oscilloscope() const
{
    if (m_oscilloscopeSource)
        return m_oscilloscopeSource();
    if (m_lastOscilloscopePng.isEmpty())
        return {};
    QImage picture = QImage::fromData(m_lastOscilloscopePng, "PNG").convertToFormat(m_lastOscilloscopeFormat);
    picture.setDevicePixelRatio(m_lastOscilloscopeRatio);
    return picture;
}

LearningProgress& learningProgress()
{
    static LearningProgress progress;
    return progress;
}
