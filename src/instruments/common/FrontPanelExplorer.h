#pragma once

#include "ControlCatalogue.h"
#include "ExplorerLayout.h"

#include <QDialog>
#include <vector>

class SoundCue;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class SensitiveMap;

// The explore-and-explain window shared by every front panel: a photograph on a
// sensitive map and three fields (" Mando:  ", "Descripción", "Modo de empleo ").
// Pointing at a control shows its caption; clicking it plays the click sound and fills
// the fields from the control catalogue. "&Cerrar" (or Esc) is the only way out.
class FrontPanelExplorer : public QDialog
{
    Q_OBJECT
public:
    FrontPanelExplorer(const ExplorerLayout& layout, const ControlCatalogue& catalogue);
    ~FrontPanelExplorer() override;

    SensitiveMap* map() const { return m_map; }

protected:
    // The click cycle: empty the fields, find the row of the hovered caption, fill them.
    void explainClick(const SensitiveMap* map, const ControlCatalogue& catalogue);
    // "&Cerrar": release the explorer and, where it holds it, the panel-open flag.
    virtual void closePanel();
    // Related-topic links, for the explorers that have them.
    virtual void hideRelatedTopics() {}
    virtual void showRelatedTopics(const ControlRow&) {}

    void reject() override; // Esc presses "&Cerrar"

    const ExplorerLayout& explorerLayout() const { return m_layout; }
    QGroupBox* relatedTopicsBox() const { return m_relatedTopicsBox; }

private:
    void build();
    void registerControls();

    const ExplorerLayout& m_layout;
    const ControlCatalogue& m_catalogue;
    SensitiveMap* m_map = nullptr;
    std::vector<QLabel*> m_captionLabels;
    QLabel* m_controlName = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QPlainTextEdit* m_usage = nullptr;
    QGroupBox* m_relatedTopicsBox = nullptr;
    QPushButton* m_closeButton = nullptr;
    SoundCue* m_clickSound = nullptr;
};
