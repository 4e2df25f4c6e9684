#pragma once

#include "ChooserTable.h"

#include <QMainWindow>
#include <QTimer>
#include <array>

class ChooserPicture;
class MediaPlayer;
class QAction;
class QGroupBox;
class QLabel;

// The instrument chooser, the program's main window and home. A click on an
// instrument's picture plays the page sound and turns the picture away in four frames,
// 300 ms apart, then opens the instrument's window; the menu opens it at once.
class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    TForm1();
    ~TForm1() override;

    // False when the page sound could not be opened (the error has been shown).
    bool isCreated() const { return m_created; }

    QTimer* animationTimer() { return &Timer1; }
    int frameCounter() const { return m_frameCounter; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct PictureSet {
        const ChooserEntry* entry;
        ChooserPicture* main;
        std::array<QLabel*, 3> frames;
    };

    void buildPictures(QGroupBox* groupBox);
    void buildMenu();
    void FormCreate();
    void startAnimation(PictureSet& set);
    void Timer1Timer();
    void restore(PictureSet& set);
    void navigateTo(InstrumentId instrument);

    MediaPlayer* MediaPlayer1;
    QTimer Timer1;
    QAction* Sonido1 = nullptr;
    std::vector<PictureSet> m_pictures;
    PictureSet* m_animated = nullptr;   // the frame list: the picture and its three frames
    int m_frameCounter = 0;
    bool m_created = false;
};
