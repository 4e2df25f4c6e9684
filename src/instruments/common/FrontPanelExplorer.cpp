#include "FrontPanelExplorer.h"

#include "core/AppState.h"
#include "core/Navigation.h"
#include "core/ObjectNames.h"
#include "core/WindowClaims.h"
#include "platform/Pictures.h"
#include "platform/ScreenCursors.h"
#include "platform/SoundCue.h"
#include "platform/WindowPlacement.h"
#include "platform/WindowsFonts.h"
#include "whereis/WhereIsMode.h"
#include "widgets/ButtonGlyph.h"
#include "widgets/LinkLabel.h"
#include "widgets/SensitiveMap.h"
#include "widgets/TextColor.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

namespace {

QGroupBox* groupBox(QWidget* parent, const QString& name, const QString& caption, const QRect& at, const QFont& font)
{
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    box->setFont(font);
    box->setGeometry(at);
    return box;
}

QPlainTextEdit* memo(QWidget* parent, const QString& name, const QRect& at, bool scrollBar)
{
    auto* edit = new QPlainTextEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit->setFont(WindowsFonts::pixels(QStringLiteral("Times New Roman"), 15));
    edit->setVerticalScrollBarPolicy(scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TextColor::set(edit, Qt::black);
    edit->setGeometry(at);
    return edit;
}

} // namespace

FrontPanelExplorer::FrontPanelExplorer(const ExplorerLayout& layout, const ControlCatalogue& catalogue,
                                       const ControlCatalogue* stackedCatalogue, const QString& progressName)
    : m_layout(layout)
    , m_catalogue(catalogue)
    , m_stackedCatalogue(layout.stackedMap ? stackedCatalogue : nullptr)
{
    setObjectName(layout.frame.objectName);
    setWindowTitle(layout.frame.caption);
    // No title-bar buttons at all: "&Cerrar" is the way out.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(WindowsFonts::pixels(QStringLiteral("System"), 13));
    build();
    WindowPlacement::place(this, layout.frame.position, layout.frame.outerSize, false);
    registerControls();
    if (layout.whereIsButton)
        m_whereIs = new WhereIsMode(
            this, *layout.whereIsButton,
            WhereIsQuestions::questions(m_catalogue, m_stackedCatalogue,
                                        layout.stackedMap ? layout.stackedMap->checkBoxCaption : QString()),
            progressName);
    // Once the maps take the focus (a map with regions does), Tab is set in reading order.
    setReadingTabOrder();
    // The links show the pointing hand.
    for (LinkLabel* link : m_links)
        link->setCursor(ScreenCursors::cursor(ScreenCursors::PointingHand));
}

FrontPanelExplorer::~FrontPanelExplorer() = default;

void FrontPanelExplorer::build()
{
    const ExplorerLayout& l = m_layout;
    // The stacked map is made first so that the explorer's own map lies on top of it.
    if (m_stackedCatalogue) {
        m_stackedMap = new SensitiveMap(this);
        m_stackedMap->setObjectName(ObjectNames::stackedMap);
        m_stackedMap->setPicture(Pictures::get(l.stackedMap->picture, l.map.size()), l.map.size());
        m_stackedMap->move(l.map.topLeft());
        m_stackedMap->setAccessibleName(l.frame.caption + QStringLiteral(", ") + l.stackedMap->checkBoxCaption);
        // Hidden, not only covered, until the check box uncovers it: a covered map would
        // still take the keyboard and be read out.
        m_stackedMap->hide();
        connect(m_stackedMap, &SensitiveMap::clicked, this, [this](int region) { mapClicked(m_stackedMap, region); });
    }
    m_map = new SensitiveMap(this);
    m_map->setObjectName(ObjectNames::panelMap);
    m_map->setPicture(Pictures::get(l.picture, l.map.size()), l.map.size());
    m_map->move(l.map.topLeft());
    m_map->setAccessibleName(l.frame.caption);
    connect(m_map, &SensitiveMap::clicked, this, [this](int region) { mapClicked(m_map, region); });

    // One spare caption label per control, above the maps in drawing order.
    const std::size_t controls = m_catalogue.size() + (m_stackedCatalogue ? m_stackedCatalogue->size() : 0);
    for (std::size_t i = 0; i < controls; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(ObjectNames::captionLabel(int(i) + 1));
        label->hide();
        m_captionLabels.push_back(label);
    }

    auto* fieldsPanel = m_fieldsPanel = new QFrame(this);
    fieldsPanel->setObjectName(ObjectNames::fieldsPanel);
    fieldsPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    fieldsPanel->setGeometry(l.fieldsPanel);
    const QFont heading = WindowsFonts::pixels(QStringLiteral("Times New Roman"), 16, true);
    QGroupBox* box1 =
        groupBox(fieldsPanel, ObjectNames::controlNameBox, QStringLiteral(" Mando:  "), l.nameBox, heading);
    m_controlName = new QLabel(box1);
    m_controlName->setObjectName(ObjectNames::controlNameLabel);
    m_controlName->setGeometry(l.nameField);
    m_controlName->setAlignment(Qt::AlignCenter);
    m_controlName->setFont(WindowsFonts::pixels(QStringLiteral("Times New Roman"), 15));
    m_controlName->setStyleSheet(QStringLiteral("color: rgb(0, 128, 128);"));
    QGroupBox* box2 =
        groupBox(fieldsPanel, ObjectNames::descriptionBox, QStringLiteral("Descripción"), l.descriptionBox, heading);
    m_description = memo(box2, ObjectNames::descriptionMemo, l.descriptionField, l.memoScrollBars);
    QGroupBox* box3 = groupBox(fieldsPanel, ObjectNames::usageBox, l.usageBoxCaption, l.usageBox, font());
    m_usage = memo(box3, ObjectNames::usageMemo, l.usageField, l.memoScrollBars);
    if (l.relatedTopicsBox) {
        m_relatedTopicsBox = groupBox(fieldsPanel, ObjectNames::relatedTopicsBox, l.relatedTopicsBoxCaption,
                                      *l.relatedTopicsBox, font());
        buildRelatedLinks();
    }
    if (m_stackedCatalogue)
        buildStackedMap();
    // What a screen reader calls the fields: the titles of their boxes. The name label is
    // named by its text, the control's name, as Qt names a label; its box says "Mando:".
    m_description->setAccessibleName(QStringLiteral("Descripción"));
    m_usage->setAccessibleName(l.usageBoxCaption.trimmed());

    auto* closeFrame = new QFrame(this);
    closeFrame->setObjectName(ObjectNames::closeFrame);
    closeFrame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    closeFrame->setGeometry(QRect(l.closeFrame, QSize(75, 35)));
    m_closeButton = new QPushButton(QStringLiteral("&Cerrar"), closeFrame);
    m_closeButton->setObjectName(ObjectNames::closeButton);
    m_closeButton->setFont(WindowsFonts::pixels(QStringLiteral("Times New Roman"), 13));
    m_closeButton->setIcon(ButtonGlyph::icon(QStringLiteral("close")));
    m_closeButton->setGeometry(QRect(l.button, QSize(67, 27)));
    m_closeButton->setAutoDefault(false);
    connect(m_closeButton, &QPushButton::clicked, this, [this] { closePanel(); });
    if (l.focusOnClose)
        m_closeButton->setFocus();
    else
        m_description->setFocus();

    m_clickSound = new SoundCue(this);
    m_clickSound->setObjectName(ObjectNames::clickSound);
}

void FrontPanelExplorer::setReadingTabOrder()
{
    // Tab goes the way the window reads: what lies wholly above comes first, and of two
    // side by side the left one (the fields panel has columns). Where neither reads first,
    // the explanation's own order holds. The stacked picture lies under the top one and
    // comes right after it: only one of the two is ever shown.
    std::vector<QWidget*> left{m_map, m_description, m_usage};
    left.insert(left.end(), m_links.begin(), m_links.end());
    left.push_back(m_stackedMapBox);
    left.push_back(m_closeButton);
    if (m_whereIs) {
        left.push_back(m_whereIs->button());
        left.push_back(m_whereIs->nextButton());
    }
    std::erase(left, nullptr);
    const auto place = [this](const QWidget* control) {
        return QRect(control->mapTo(this, QPoint(0, 0)), control->size());
    };
    const auto readsBefore = [&place](const QWidget* first, const QWidget* second) {
        const QRect a = place(first), b = place(second);
        return a.bottom() < b.top() || (a.top() <= b.bottom() && b.top() <= a.bottom() && a.right() < b.left());
    };
    std::vector<QWidget*> order;
    while (!left.empty()) {
        const auto next = std::find_if(left.begin(), left.end(), [&](const QWidget* candidate) {
            return std::none_of(left.begin(), left.end(),
                                [&](const QWidget* other) { return readsBefore(other, candidate); });
        });
        QWidget* control = next == left.end() ? left.front() : *next;
        std::erase(left, control);
        order.push_back(control);
        if (control == m_map && m_stackedMap)
            order.push_back(m_stackedMap);
    }
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void FrontPanelExplorer::buildStackedMap()
{
    const StackedMap& stacked = *m_layout.stackedMap;
    m_stackedMapBox = new QCheckBox(stacked.checkBoxCaption, m_fieldsPanel);
    m_stackedMapBox->setObjectName(ObjectNames::stackedMapCheckBox);
    m_stackedMapBox->setGeometry(stacked.checkBox);
    m_stackedMapBox->setToolTip(stacked.hint);
    // Ticked, the top map steps aside; nothing else changes, the last texts stay.
    connect(m_stackedMapBox, &QCheckBox::toggled, this, [this](bool ticked) {
        m_map->setVisible(!ticked);
        m_stackedMap->setVisible(ticked);
    });
}

void FrontPanelExplorer::buildRelatedLinks()
{
    const RelatedLinks& links = m_layout.links;
    QFont font = WindowsFonts::pixels(links.fontFamily, links.pixelHeight, links.bold);
    font.setUnderline(true);
    for (std::size_t i = 0; i < links.places.size(); ++i) {
        auto* link = new LinkLabel(m_relatedTopicsBox);
        link->setObjectName(links.places[i].objectName);
        link->setFont(font);
        link->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255);"));
        link->move(links.places[i].at);
        link->hide();
        connect(link, &LinkLabel::clicked, this, [this, i] { followLink(i); });
        m_links.push_back(link);
    }
    // A new explorer's links lead nowhere until a control gives them a topic.
    m_linkTopics.assign(m_links.size(), 0);
}

void FrontPanelExplorer::registerControls()
{
    // Without its click sound the explorer still opens, but explains nothing.
    if (m_layout.clickSound && !m_clickSound->open(QStringLiteral("SOND\\HOLYVISN.WAV")))
        return;
    ScreenCursors::registerCursor(ScreenCursors::PointingHand, ScreenCursors::pointingCursor());
    m_mapRows = registerControls(m_map, m_catalogue, 0);
    describeRegions(m_map, m_catalogue, m_mapRows);
    if (m_stackedCatalogue) {
        m_stackedMapRows = registerControls(m_stackedMap, *m_stackedCatalogue, m_catalogue.size());
        describeRegions(m_stackedMap, *m_stackedCatalogue, m_stackedMapRows);
    }
}

void FrontPanelExplorer::describeRegions(SensitiveMap* map, const ControlCatalogue& catalogue,
                                         const std::vector<std::size_t>& rowOfRegion)
{
    // Beyond its caption, a screen reader tells of a control its name and what it is.
    for (std::size_t i = 0; i < rowOfRegion.size(); ++i) {
        const ControlRow& row = catalogue[rowOfRegion[i]];
        map->setRegionDescription(
            int(i) + 1, QStringList{row.name, row.description.join(QLatin1Char(' '))}.join(QLatin1Char('\n')));
    }
}

std::vector<std::size_t> FrontPanelExplorer::registerControls(SensitiveMap* map, const ControlCatalogue& catalogue,
                                                              std::size_t firstLabel)
{
    map->setRegionCursor(ScreenCursors::PointingHand);
    // A row whose corners fall outside the picture gets no region, so the regions are
    // numbered past it: remember which row each one that was registered stands for.
    std::vector<std::size_t> rowOfRegion;
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const ControlRow& row = catalogue[i];
        const int regions = map->regionCount();
        map->addRegion(row.left, row.top, row.right, row.bottom, row.caption, m_captionLabels[firstLabel + i]);
        if (map->regionCount() > regions)
            rowOfRegion.push_back(i);
    }
    return rowOfRegion;
}

void FrontPanelExplorer::explainClick(const ControlCatalogue& catalogue, const std::vector<std::size_t>& rowOfRegion,
                                      int region)
{
    m_description->clear();
    m_usage->clear();
    m_controlName->clear();
    hideRelatedTopics();
    if (region < 1 || std::size_t(region) > rowOfRegion.size())
        return;
    const ControlRow& row = catalogue[rowOfRegion[std::size_t(region) - 1]];
    if (m_layout.clickSound && appState().soundOn)
        m_clickSound->play();
    m_controlName->setText(row.name);
    m_description->setPlainText(row.description.join(QLatin1Char('\n')));
    m_usage->setPlainText(row.usage.join(QLatin1Char('\n')));
    if (!row.related.empty())
        showRelatedTopics(row);
}

bool FrontPanelExplorer::showControl(const QString& caption)
{
    if (const int region = regionOf(m_map, caption)) {
        showStackedMap(false);
        explain(m_map, region);
        return true;
    }
    if (const int region = m_stackedMap ? regionOf(m_stackedMap, caption) : 0) {
        showStackedMap(true);
        explain(m_stackedMap, region);
        return true;
    }
    return false;
}

void FrontPanelExplorer::mapClicked(SensitiveMap* map, int region)
{
    if (!m_whereIs || !m_whereIs->takeAnswer(map, region))
        explain(map, region);
}

SensitiveMap* FrontPanelExplorer::shownMap() const
{
    return m_stackedMapBox && m_stackedMapBox->isChecked() ? m_stackedMap : m_map;
}

void FrontPanelExplorer::showStackedMap(bool shown)
{
    if (m_stackedMapBox)
        m_stackedMapBox->setChecked(shown);
}

void FrontPanelExplorer::setStackedMapBoxEnabled(bool enabled)
{
    if (m_stackedMapBox)
        m_stackedMapBox->setEnabled(enabled);
}

const ControlRow* FrontPanelExplorer::rowAt(const SensitiveMap* map, int region) const
{
    const bool stacked = map == m_stackedMap && m_stackedMap;
    const std::vector<std::size_t>& rows = stacked ? m_stackedMapRows : m_mapRows;
    if (region < 1 || std::size_t(region) > rows.size())
        return nullptr;
    return &(stacked ? *m_stackedCatalogue : m_catalogue)[rows[std::size_t(region) - 1]];
}

int FrontPanelExplorer::regionOf(const SensitiveMap* map, const QString& caption) const
{
    for (int region = 1; const ControlRow* row = rowAt(map, region); ++region)
        if (row->caption == caption)
            return region;
    return 0;
}

void FrontPanelExplorer::explain(SensitiveMap* map, int region)
{
    if (map == m_stackedMap && m_stackedMap)
        explainClick(*m_stackedCatalogue, m_stackedMapRows, region);
    else
        explainClick(m_catalogue, m_mapRows, region);
}

void FrontPanelExplorer::clearExplanation()
{
    explainClick(m_catalogue, m_mapRows, 0);
}

FrontPanelExplorer::Shown FrontPanelExplorer::shown() const
{
    Shown shown{m_controlName->text(),
                m_description->toPlainText(),
                m_usage->toPlainText(),
                m_description->verticalScrollBar()->value(),
                m_usage->verticalScrollBar()->value(),
                {},
                {},
                m_linkTopics,
                shownMap() != m_map,
                !m_stackedMapBox || m_stackedMapBox->isEnabled()};
    for (const LinkLabel* link : m_links) {
        shown.linkTexts.push_back(link->text());
        shown.linksShown.push_back(!link->isHidden());
    }
    return shown;
}

void FrontPanelExplorer::restore(const Shown& shown)
{
    m_controlName->setText(shown.name);
    m_description->setPlainText(shown.description);
    m_usage->setPlainText(shown.usage);
    m_description->verticalScrollBar()->setValue(shown.descriptionScroll);
    m_usage->verticalScrollBar()->setValue(shown.usageScroll);
    m_linkTopics = shown.linkTopics;
    for (std::size_t i = 0; i < m_links.size() && i < shown.linkTexts.size(); ++i) {
        m_links[i]->setText(shown.linkTexts[i]);
        m_links[i]->adjustSize();
        m_links[i]->setVisible(shown.linksShown[i]);
    }
    showStackedMap(shown.stackedMapShown);
    setStackedMapBoxEnabled(shown.stackedMapBoxEnabled);
}

void FrontPanelExplorer::hideRelatedTopics()
{
    // The topics stay as they were: a hidden link cannot be followed anyway.
    for (LinkLabel* link : m_links)
        link->hide();
}

void FrontPanelExplorer::showRelatedTopics(const ControlRow& row)
{
    for (std::size_t i = 0; i < row.related.size() && i < m_links.size(); ++i) {
        m_linkTopics[i] = row.related[i].topic;
        m_links[i]->setText(row.related[i].text);
        m_links[i]->adjustSize();
        m_links[i]->show();
    }
}

void FrontPanelExplorer::followLink(std::size_t link)
{
    const int topic = m_linkTopics[link];
    if (topic != 0 && m_layout.openRelatedTopic)
        m_layout.openRelatedTopic(topic);
}

void FrontPanelExplorer::closePanel()
{
    if (m_layout.closeRelatedWindows)
        m_layout.closeRelatedWindows();
    Navigation::release(this);
    if (m_layout.releasesPanelClaim)
        WindowClaims::release(OneAtATime::FrontPanel);
}

void FrontPanelExplorer::reject()
{
    closePanel();
}
