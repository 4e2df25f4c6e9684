#pragma once

#include "instruments/InstrumentRegistry.h"

#include <QMainWindow>
#include <QTimer>
#include <array>

class ChooserPicture;
class SoundCue;
class QAction;
class QGroupBox;
class QLabel;

// The instrument chooser, the program's main window and home. A click on an
// instrument's picture plays the page sound and turns the picture away in four frames,
// 300 ms apart, then opens the instrument's window; the menu opens it at once.
class ChooserWindow : public QMainWindow {
    Q_OBJECT
public:
    ChooserWindow();
    ~ChooserWindow() override;

    // False when the page sound could not be opened (the error has been shown).
    bool isCreated() const { return m_created; }

    QTimer* animationTimer() { return &m_animationTimer; }
    int frameCounter() const { return m_frameCounter; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct PictureSet {
        InstrumentId instrument;
        const ChooserEntry* entry;
        ChooserPicture* main;
        std::array<QLabel*, 3> frames;
    };

    void buildPictures(QGroupBox* groupBox);
    void buildMenu();
    void registerCursorAndSoundMark();
    void startAnimation(PictureSet& set);
    void advanceAnimation();
    void restore(PictureSet& set);
    void navigateTo(InstrumentId instrument);

    SoundCue* m_pageSound;
    QTimer m_animationTimer;
    QAction* m_soundAction = nullptr;
    std::vector<PictureSet> m_pictures;
    PictureSet* m_animated = nullptr; // the frame list: the picture and its three frames
    int m_frameCounter = 0;
    bool m_created = false;
};
