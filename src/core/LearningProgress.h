#pragma once

#include <QImage>
#include <QMap>
#include <QSet>
#include <QString>
#include <functional>

// What the student has done in this run, per instrument: questions answered and learned,
// the "¿Dónde está…?" score, practice exercises met. It lives in memory only: the program
// keeps nothing between runs and writes nothing unless the student asks for a report.
//
// An instrument is named by its short name, the one its pictures are named by ("fg110").
class LearningProgress {
public:
    // A question counts as learned once it has been answered right twice in a row: once in
    // the questionnaire and once in review, or twice in review.
    static constexpr int RightInARowToLearn = 2;

    struct Figures {
        int questionsAnswered = 0; // distinct questions answered at least once
        int questionsLearned = 0;
        int whereAsked = 0; // "¿Dónde está…?" questions asked, over every round
        int whereRight = 0;
        int exercisesMet = 0; // met by the student, not demonstrated
    };

    // An answer to `question` (its index in the instrument's questionnaire).
    void recordAnswer(const QString& instrument, int question, bool right);
    bool isLearned(const QString& instrument, int question) const;
    // The answers given right in a row to `question`, up to now.
    int rightInARow(const QString& instrument, int question) const;

    // One "¿Dónde está…?" question answered.
    void recordWhereIs(const QString& instrument, bool right);

    // An exercise met by the student (a demonstrated one is not recorded).
    void recordExerciseMet(const QString& instrument, const QString& exercise);

    Figures figures(const QString& instrument) const;

    // The oscilloscope as the open practice window shows it now, or as the last one showed
    // it when it closed; a null image when no practice has been opened.
    void setOscilloscopeSource(std::function<QImage()> source);
    void keepOscilloscope(const QImage& picture); // at close: the source is cleared
    QImage oscilloscope() const;

private:
    struct Record {
        QMap<int, int> rightInARow; // question → answers right in a row (0 after a wrong one)
        QSet<int> learned;
        int whereAsked = 0;
        int whereRight = 0;
        QSet<QString> exercisesMet;
    };
    QMap<QString, Record> m_records;
    std::function<QImage()> m_oscilloscopeSource;
    // The last picture kept as PNG (a few kilobytes, where its pixels take hundreds) with
    // the pixel format and ratio it came in, since it is only read again if a report is saved.
    QByteArray m_lastOscilloscopePng;
    QImage::Format m_lastOscilloscopeFormat = QImage::Format_Invalid;
    qreal m_lastOscilloscopeRatio = 1;
};

// The one record of this run; emptied by resetAppState().
LearningProgress& learningProgress();
