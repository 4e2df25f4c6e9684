#pragma once

#include "ControlCatalogue.h"
#include "ExplorerLayout.h"

#include <QDialog>
#include <QString>
#include <vector>

class LinkLabel;
class SoundCue;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class SensitiveMap;
class WhereIsMode;

// The explore-and-explain window shared by every front panel: a photograph on a
// sensitive map and three fields (" Mando:  ", "Descripción", "Modo de empleo ").
// Pointing at a control shows its caption; clicking it plays the click sound and fills
// the fields from the control catalogue, and shows the control's related-topic links.
// Some explorers stack a second picture with controls of its own under the first, which
// a check box uncovers. "&Cerrar" (or Esc) is the only way out. Where the layout places
// its button, the explorer also asks for its controls ("¿Dónde está…?", WhereIsMode).
class FrontPanelExplorer : public QDialog {
    Q_OBJECT
public:
    // stackedCatalogue explains the controls of the layout's stacked map, where it has one;
    // progressName names the instrument whose "¿Dónde está…?" answers are recorded.
    FrontPanelExplorer(const ExplorerLayout& layout, const ControlCatalogue& catalogue,
                       const ControlCatalogue* stackedCatalogue = nullptr, const QString& progressName = {});
    ~FrontPanelExplorer() override;

    SensitiveMap* map() const { return m_map; }
    SensitiveMap* stackedMap() const { return m_stackedMap; }

    // The picture uncovered now; uncovering the other one, as its check box does.
    SensitiveMap* shownMap() const;
    void showStackedMap(bool shown);
    // The catalogue row a region of a map stands for (null for none), and the region of
    // the row with a caption (0 for none).
    const ControlRow* rowAt(const SensitiveMap* map, int region) const;
    int regionOf(const SensitiveMap* map, const QString& caption) const;
    // The click cycle on a region of a map, as a click runs it; and the fields emptied,
    // as a click outside every control leaves them.
    void explain(SensitiveMap* map, int region);
    void clearExplanation();

    // What the explanation shows and which picture is uncovered: kept, and given back
    // exactly, around "¿Dónde está…?".
    struct Shown {
        QString name, description, usage;
        int descriptionScroll = 0, usageScroll = 0;
        std::vector<QString> linkTexts;
        std::vector<bool> linksShown;
        std::vector<int> linkTopics;
        bool stackedMapShown = false, stackedMapBoxEnabled = true;
    };
    Shown shown() const;
    void restore(const Shown& shown);
    void setStackedMapBoxEnabled(bool enabled);

    // Explains the control whose row has this caption, as a click on it would, uncovering
    // the stacked picture where the control is only on it. False when no row has it.
    bool showControl(const QString& caption);

protected:
    // The click cycle: empty the fields and, for a click on a region, fill them from the
    // catalogue row that region stands for.
    void explainClick(const ControlCatalogue& catalogue, const std::vector<std::size_t>& rowOfRegion, int region);
    // "&Cerrar": release the explorer and, where it holds it, the one front panel.
    virtual void closePanel();
    void reject() override; // Esc presses "&Cerrar"

private:
    void build();
    void buildStackedMap();
    void buildRelatedLinks();
    void setReadingTabOrder();
    // Hands the map, for a screen reader, each region's row: its name and description.
    void describeRegions(SensitiveMap* map, const ControlCatalogue& catalogue,
                         const std::vector<std::size_t>& rowOfRegion);
    void registerControls();
    // Registers a catalogue's rows on a map; answers the row of each region registered.
    std::vector<std::size_t> registerControls(SensitiveMap* map, const ControlCatalogue& catalogue,
                                              std::size_t firstLabel);
    void mapClicked(SensitiveMap* map, int region);
    void hideRelatedTopics();
    void showRelatedTopics(const ControlRow& row);
    void followLink(std::size_t link);

    const ExplorerLayout& m_layout;
    const ControlCatalogue& m_catalogue;
    const ControlCatalogue* m_stackedCatalogue;
    SensitiveMap* m_map = nullptr;
    SensitiveMap* m_stackedMap = nullptr;      // lies under m_map
    QCheckBox* m_stackedMapBox = nullptr;      // ticked: m_map is hidden
    std::vector<QLabel*> m_captionLabels;      // m_map's controls first, then the stacked map's
    std::vector<std::size_t> m_mapRows;        // the catalogue row of each of m_map's regions, from region 1
    std::vector<std::size_t> m_stackedMapRows; // the same for m_stackedMap
    std::vector<LinkLabel*> m_links;
    std::vector<int> m_linkTopics; // what each link opens; 0 for nothing
    QLabel* m_controlName = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QPlainTextEdit* m_usage = nullptr;
    QFrame* m_fieldsPanel = nullptr;
    QGroupBox* m_relatedTopicsBox = nullptr;
    QPushButton* m_closeButton = nullptr;
    SoundCue* m_clickSound = nullptr;
    WhereIsMode* m_whereIs = nullptr;
};
