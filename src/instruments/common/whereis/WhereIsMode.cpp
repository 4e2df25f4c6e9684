#include "WhereIsMode.h"

#include "RegionOutline.h"
#include "WhereIsTexts.h"
#include "core/AppState.h"
#include "core/LearningProgress.h"
#include "core/ObjectNames.h"
#include "instruments/common/FrontPanelExplorer.h"
#include "platform/WindowsFonts.h"
#include "widgets/SensitiveMap.h"

#include <QAccessible>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int StripHeight = 88;
constexpr int Margin = 8;
constexpr QSize ButtonSize{90, 27};

// Qt 6.4 has no announcement event: the label, named by its text, reports its new name
// and raises an alert, so that a screen reader may speak it while the focus stays put.
void announce(QLabel* label, const QString& text)
{
    label->setText(text);
    QAccessibleEvent nameChanged(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
    if (text.isEmpty())
        return;
    QAccessibleEvent alert(label, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

QPushButton* pushButton(QWidget* parent, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(WindowsFonts::pixels(QStringLiteral("Times New Roman"), 13));
    button->setAutoDefault(false);
    return button;
}

QLabel* stripLabel(QWidget* parent, const char* name, bool bold)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(WindowsFonts::pixels(QStringLiteral("Times New Roman"), 15, bold));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

struct WhereIsMode::Before {
    FrontPanelExplorer::Shown shown;
    QSize size;
    QString mapDescription, stackedMapDescription;
};

WhereIsMode::WhereIsMode(FrontPanelExplorer* explorer, QRect buttonPlace,
                         std::vector<WhereIsQuestions::Question> questions, const QString& progressName)
    : QObject(explorer)
    , m_explorer(explorer)
    , m_questions(std::move(questions))
    , m_progressName(progressName)
{
    m_button = pushButton(explorer, ObjectNames::whereIsButton, WhereIsTexts::button);
    m_button->setCheckable(true);
    m_button->setGeometry(buttonPlace);
    m_button->setAccessibleDescription(WhereIsTexts::buttonDescription);
    // A panel that registered no region (its click sound could not be opened) cannot be answered.
    m_button->setEnabled(!m_questions.empty() && explorer->map()->regionCount() > 0);
    connect(m_button, &QPushButton::toggled, this, [this](bool down) {
        m_button->setAccessibleDescription(down ? WhereIsTexts::buttonDescriptionDown
                                                : WhereIsTexts::buttonDescription);
        down ? enter() : leave();
    });

    // The strip lies below everything the window held, and shows only while the mode asks.
    m_strip = new QFrame(explorer);
    m_strip->setObjectName(ObjectNames::whereIsStrip);
    m_strip->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_strip->hide();
    m_question = stripLabel(m_strip, ObjectNames::whereIsQuestion, true);
    m_verdict = stripLabel(m_strip, ObjectNames::whereIsVerdict, false);
    m_next = pushButton(m_strip, ObjectNames::whereIsNextButton, WhereIsTexts::next);
    // A click leaves the focus where it was; Tab and Alt+S bring it, and moveOn takes it on
    // to the picture.
    m_next->setFocusPolicy(Qt::TabFocus);
    connect(m_next, &QPushButton::clicked, this, &WhereIsMode::moveOn);

    // Laid out below the window as it opens, so that Tab reaches "&Siguiente" last.
    layOutStrip(explorer->size());

    m_outline = new RegionOutline(explorer);
    m_outline->setObjectName(ObjectNames::whereIsOutline);
    // Over the pictures, under the captions that show while pointing.
    if (auto* caption = explorer->findChild<QLabel*>(ObjectNames::captionLabel(1)))
        m_outline->stackUnder(caption);
}

WhereIsMode::~WhereIsMode() = default;

void WhereIsMode::enter()
{
    m_before = std::make_unique<Before>(
        Before{m_explorer->shown(), m_explorer->size(), m_explorer->map()->accessibleDescription(),
               m_explorer->stackedMap() ? m_explorer->stackedMap()->accessibleDescription() : QString()});
    const QSize size = m_before->size;
    layOutStrip(size);
    m_explorer->resize(size.width(), size.height() + StripHeight);
    m_strip->show();
    m_explorer->clearExplanation();
    startRound();
}

void WhereIsMode::layOutStrip(QSize above)
{
    m_strip->setGeometry(0, above.height(), above.width(), StripHeight);
    const int inner = above.width() - 2 * Margin;
    m_question->setGeometry(Margin, 6, inner, 38);
    m_verdict->setGeometry(Margin, 46, inner - ButtonSize.width() - Margin, 38);
    m_next->setGeometry(QRect(QPoint(above.width() - Margin - ButtonSize.width(), 50), ButtonSize));
}

void WhereIsMode::leave()
{
    clearFrame();
    m_round.reset();
    m_waitingForAnswer = false;
    if (!m_before)
        return;
    if (m_next->hasFocus())
        m_button->setFocus();
    m_strip->hide();
    m_question->clear();
    m_verdict->clear();
    m_explorer->resize(m_before->size);
    m_explorer->restore(m_before->shown);
    m_explorer->map()->setAccessibleDescription(m_before->mapDescription);
    if (m_explorer->stackedMap())
        m_explorer->stackedMap()->setAccessibleDescription(m_before->stackedMapDescription);
    m_before.reset();
}

void WhereIsMode::startRound()
{
    m_round.emplace(m_questions, appState().random);
    ask();
}

void WhereIsMode::ask()
{
    clearFrame();
    const WhereIsQuestions::Question& question = m_round->current();
    // The question decides which picture is shown, until the round is over.
    m_explorer->setStackedMapBoxEnabled(false);
    if (question.map != WhereIsQuestions::Map::Either)
        m_explorer->showStackedMap(question.map == WhereIsQuestions::Map::Stacked);
    const QString text = WhereIsTexts::numbered(m_round->answered() + 1, m_round->length(), question.text);
    setMapsDescription(text);
    m_verdict->clear();
    m_next->hide();
    m_waitingForAnswer = true;
    announce(m_question, text);
}

bool WhereIsMode::takeAnswer(SensitiveMap* map, int region)
{
    if (!m_waitingForAnswer || !m_explorer->rowAt(map, region))
        return false;
    judge(map, region);
    return true;
}

void WhereIsMode::judge(SensitiveMap* map, int region)
{
    m_waitingForAnswer = false;
    const ControlRow& chosen = *m_explorer->rowAt(map, region);
    const WhereIsQuestions::Question asked = m_round->current();
    const bool right = m_round->answer(chosen.caption);
    if (!m_progressName.isEmpty())
        learningProgress().recordWhereIs(m_progressName, right);
    if (right) {
        m_explorer->explain(map, region);
    } else {
        m_explorer->clearExplanation();
        frameAskedControl(map, asked.caption);
    }
    const ControlRow* askedRow = m_explorer->rowAt(map, m_explorer->regionOf(map, asked.caption));
    announce(m_verdict,
             right ? WhereIsTexts::right : WhereIsTexts::wrong(chosen.name, askedRow ? askedRow->name : asked.caption));
    if (m_round->isOver()) {
        setMapsDescription({});
        m_explorer->setStackedMapBoxEnabled(true);
        announce(m_question, WhereIsTexts::score(m_round->right(), m_round->length()));
        m_next->setText(WhereIsTexts::again);
    } else {
        m_next->setText(WhereIsTexts::next);
    }
    m_next->show();
}

void WhereIsMode::moveOn()
{
    // The keyboard goes back to the picture, where the next answer is given.
    const bool hadFocus = m_next->hasFocus();
    if (m_round->isOver())
        startRound();
    else
        ask();
    if (hadFocus)
        m_explorer->shownMap()->setFocus(Qt::TabFocusReason);
}

void WhereIsMode::frameAskedControl(SensitiveMap* map, const QString& caption)
{
    const int region = m_explorer->regionOf(map, caption);
    if (region == 0)
        return;
    m_framedMap = map;
    m_framedRegion = region;
    m_framedDescription = map->regionDescription(region);
    map->setRegionDescription(region, m_framedDescription + QLatin1Char('\n') + WhereIsTexts::framed);
    m_outline->frame(map->regionOnMap(region).translated(map->pos()), map->geometry());
}

void WhereIsMode::clearFrame()
{
    m_outline->hide();
    if (m_framedMap)
        m_framedMap->setRegionDescription(m_framedRegion, m_framedDescription);
    m_framedMap = nullptr;
}

void WhereIsMode::setMapsDescription(const QString& description)
{
    m_explorer->map()->setAccessibleDescription(description);
    if (m_explorer->stackedMap())
        m_explorer->stackedMap()->setAccessibleDescription(description);
}
