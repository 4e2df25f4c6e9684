#include "FrontPanelExplorer.h"

#include "ButtonGlyph.h"
#include "shell/AppState.h"
#include "shell/Navigation.h"
#include "platform/MediaPlayer.h"
#include "platform/Pictures.h"
#include "platform/ScreenCursors.h"
#include "platform/WindowPlacement.h"
#include "platform/WindowsFonts.h"
#include "widgets/SensMap.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

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
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, Qt::black);
    edit->setPalette(palette);
    edit->setGeometry(at);
    return edit;
}

} // namespace

FrontPanelExplorer::FrontPanelExplorer(const ExplorerLayout& layout, const ControlCatalogue& catalogue)
    : m_layout(layout)
    , m_catalogue(catalogue)
{
    setObjectName(layout.objectName);
    setWindowTitle(layout.caption);
    // No title-bar buttons at all: "&Cerrar" is the way out.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(WindowsFonts::pixels(QStringLiteral("System"), 13));
    build();
    WindowPlacement::place(this, layout.position, layout.outerSize, false);
    FormCreate();
}

FrontPanelExplorer::~FrontPanelExplorer() = default;

void FrontPanelExplorer::build()
{
    const ExplorerLayout& l = m_layout;
    SensitiveMap1 = new TSensitiveMap(this);
    SensitiveMap1->setObjectName(QStringLiteral("SensitiveMap1"));
    SensitiveMap1->setPicture(Pictures::get(QStringLiteral("panels/") + l.pictureName, l.map.size()), l.map.size());
    SensitiveMap1->move(l.map.topLeft());
    connect(SensitiveMap1, &TSensitiveMap::clicked, this, [this] { explainClick(SensitiveMap1, m_catalogue); });

    // One spare caption label per control, above the map in drawing order.
    for (std::size_t i = 0; i < m_catalogue.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        label->hide();
        m_captionLabels.push_back(label);
    }

    auto* panel1 = new QFrame(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel1->setGeometry(l.panel1);
    const QFont heading = WindowsFonts::pixels(QStringLiteral("Times New Roman"), 16, true);
    QGroupBox* box1 = groupBox(panel1, QStringLiteral("GroupBox1"), QStringLiteral(" Mando:  "), l.groupBox1, heading);
    LabelMando = new QLabel(box1);
    LabelMando->setObjectName(QStringLiteral("LabelMando"));
    LabelMando->setGeometry(l.labelMando);
    LabelMando->setAlignment(Qt::AlignCenter);
    LabelMando->setFont(WindowsFonts::pixels(QStringLiteral("Times New Roman"), 15));
    LabelMando->setStyleSheet(QStringLiteral("color: rgb(0, 128, 128);"));
    QGroupBox* box2 = groupBox(panel1, QStringLiteral("GroupBox2"), QStringLiteral("Descripción"), l.groupBox2, heading);
    Memo1 = memo(box2, QStringLiteral("Memo1"), l.memo1, l.memoScrollBars);
    QGroupBox* box3 = groupBox(panel1, QStringLiteral("GroupBox3"), l.groupBox3Caption, l.groupBox3, font());
    Memo2 = memo(box3, QStringLiteral("Memo2"), l.memo2, l.memoScrollBars);
    if (l.groupBox4)
        GroupBox4 = groupBox(panel1, QStringLiteral("GroupBox4"), l.groupBox4Caption, *l.groupBox4, font());

    auto* panel2 = new QFrame(this);
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel2->setGeometry(QRect(l.panel2, QSize(75, 35)));
    BitBtn2 = new QPushButton(QStringLiteral("&Cerrar"), panel2);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setFont(WindowsFonts::pixels(QStringLiteral("Times New Roman"), 13));
    BitBtn2->setIcon(ButtonGlyph::icon(QStringLiteral("close")));
    BitBtn2->setGeometry(QRect(l.button, QSize(67, 27)));
    BitBtn2->setAutoDefault(false);
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    if (l.focusOnClose)
        BitBtn2->setFocus();
    else
        Memo1->setFocus();

    MediaPlayer1 = new MediaPlayer(this);
    MediaPlayer1->setObjectName(QStringLiteral("MediaPlayer1"));
}

void FrontPanelExplorer::FormCreate()
{
    // Without its click sound the explorer still opens, but explains nothing.
    if (!MediaPlayer1->open(QStringLiteral("SOND\\HOLYVISN.WAV")))
        return;
    ScreenCursors::registerCursor(ScreenCursors::PointingHand, ScreenCursors::pointingCursor());
    SensitiveMap1->CursorCuadro = ScreenCursors::PointingHand;
    for (std::size_t i = 0; i < m_catalogue.size(); ++i) {
        const ControlRow& row = m_catalogue[i];
        SensitiveMap1->Situar_Cuadro(row.left, row.top, row.right, row.bottom, row.caption, m_captionLabels[i]);
    }
}

void FrontPanelExplorer::explainClick(const TSensitiveMap* map, const ControlCatalogue& catalogue)
{
    Memo1->clear();
    Memo2->clear();
    LabelMando->clear();
    hideRelatedTopics();
    const QString hovered = map->Texto_Cuadro(map->CuadroActual());
    for (const ControlRow& row : catalogue) {
        if (hovered != QLatin1Char(' ') + row.caption + QLatin1Char(' '))
            continue;
        if (appState().soundOn)
            MediaPlayer1->play();
        LabelMando->setText(row.name);
        Memo1->setPlainText(row.description.join(QLatin1Char('\n')));
        Memo2->setPlainText(row.usage.join(QLatin1Char('\n')));
        if (!row.related.empty())
            showRelatedTopics(row);
    }
}

void FrontPanelExplorer::BitBtn1Click()
{
    Navigation::release(this);
    if (m_layout.clearsPanelFlag)
        appState().panelOpen = false;
}

void FrontPanelExplorer::reject()
{
    BitBtn1Click();
}
