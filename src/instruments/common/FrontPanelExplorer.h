#pragma once

#include "ControlCatalogue.h"
#include "ExplorerLayout.h"

#include <QDialog>
#include <vector>

class MediaPlayer;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class TSensitiveMap;

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

    TSensitiveMap* map() const { return SensitiveMap1; }

protected:
    // The click cycle: empty the fields, find the row of the hovered caption, fill them.
    void explainClick(const TSensitiveMap* map, const ControlCatalogue& catalogue);
    // "&Cerrar": release the explorer and, where it holds it, the panel-open flag.
    virtual void BitBtn1Click();
    // Related-topic links, for the explorers that have them.
    virtual void hideRelatedTopics() {}
    virtual void showRelatedTopics(const ControlRow&) {}

    void reject() override; // Esc presses "&Cerrar"

    const ExplorerLayout& explorerLayout() const { return m_layout; }
    QGroupBox* relatedTopicsBox() const { return GroupBox4; }

private:
    void build();
    void FormCreate();

    const ExplorerLayout& m_layout;
    const ControlCatalogue& m_catalogue;
    TSensitiveMap* SensitiveMap1 = nullptr;
    std::vector<QLabel*> m_captionLabels;
    QLabel* LabelMando = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    MediaPlayer* MediaPlayer1 = nullptr;
};
