#pragma once

#include "InstrumentDefinition.h"
#include "core/Navigation.h"

#include <QMainWindow>

class FrontPanelExplorer;
class SoundCue;
class QAction;
class QMenu;

// The frame shared by the seven instrument windows: the title art beside the
// instrument's photograph, the cue played when the window is shown, the "Opciones" and
// "Ayuda" menus, and the rule for leaving back to the chooser. Each instrument's class
// gives its data and what its menu items open.
class InstrumentWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit InstrumentWindow(const InstrumentDefinition& instrument);
    ~InstrumentWindow() override;

    // False when the window's cue could not be opened (the error has been shown).
    bool isCreated() const { return m_created; }

    // A new front panel of the instrument; null where it has none.
    static FrontPanelExplorer* createFrontPanel(const InstrumentDefinition& instrument);

protected:
    // "&Panel frontal": opens the instrument's panel, under the one-panel rule where it
    // applies. "&Cuestiones": opens the instrument's questionnaire, one at a time in the
    // whole program.
    void openFrontPanel();
    void openQuestionnaire();

    // Adds the "&Notas generales" submenu at the head of "Opciones".
    QMenu* addNotesMenu();

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void goBack();
    void playCueOnShow();

    bool noteOpen() const;

    const InstrumentDefinition& m_instrument;
    const InstrumentWindowData& m_data;
    SoundCue* m_cue;
    QMenu* m_optionsMenu = nullptr;
    QAction* m_frontPanelAction = nullptr;
    bool m_created = false;
};
