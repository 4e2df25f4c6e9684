#pragma once

#include "WhereIsQuestions.h"
#include "WhereIsRound.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <memory>
#include <optional>
#include <vector>

class FrontPanelExplorer;
class QFrame;
class QLabel;
class QPushButton;
class RegionOutline;
class SensitiveMap;

// "¿Dónde está…?" on a front panel: while its button is down, the panel asks for its
// controls by what they do, ten at a time in random order, in a strip added below the
// window. A control pointed at (a click, or Enter on the keyboard's region) is the answer:
// the right one is explained as a click explains it; a wrong one is named ("Eso es «…»")
// and the one asked for is framed in red. "&Siguiente" asks the next; after the tenth the
// strip gives the score and "&Otra ronda" starts another. Each answer is recorded in the
// student's progress. Letting the button up gives the panel back as it was.
class WhereIsMode : public QObject {
    Q_OBJECT
public:
    // progressName: the instrument the answers are recorded for, or empty for none.
    WhereIsMode(FrontPanelExplorer* explorer, QRect buttonPlace, std::vector<WhereIsQuestions::Question> questions,
                const QString& progressName);
    ~WhereIsMode() override;

    QPushButton* button() const { return m_button; }
    QPushButton* nextButton() const { return m_next; }
    // A control pointed at on `map`: true when it answered the question being asked (and
    // the explorer must not explain it again), false when no question waits for it.
    bool takeAnswer(SensitiveMap* map, int region);

private:
    // The strip's place and contents, below a window of this size.
    void layOutStrip(QSize above);
    void enter();
    void leave();
    void startRound();
    void ask();
    void judge(SensitiveMap* map, int region);
    void moveOn();
    void frameAskedControl(SensitiveMap* map, const QString& caption);
    void clearFrame();
    void setMapsDescription(const QString& description);

    FrontPanelExplorer* m_explorer;
    std::vector<WhereIsQuestions::Question> m_questions;
    QString m_progressName;
    QPushButton* m_button = nullptr;
    QFrame* m_strip = nullptr;
    QLabel* m_question = nullptr;
    QLabel* m_verdict = nullptr;
    QPushButton* m_next = nullptr;
    RegionOutline* m_outline = nullptr;
    std::optional<WhereIsRound> m_round;
    bool m_waitingForAnswer = false;
    // The region framed, with what a screen reader was told of it before.
    QPointer<SensitiveMap> m_framedMap;
    int m_framedRegion = 0;
    QString m_framedDescription;
    // What the panel was before the mode, to give it back.
    struct Before;
    std::unique_ptr<Before> m_before;
};
