// The chooser's page-turn animation: a click on an instrument's picture turns it away in
// four ticks of the 300 ms timer and then opens the instrument. The ticks are delivered
// by the test, one at a time.

#include "AudioTestMain.h"
#include "RegisteredInstruments.h"
#include "ShellTesting.h"
#include "SinkRecorder.h"

#include "core/ObjectNames.h"
#include "instruments/fg110/Fg110ObjectNames.h"
#include "instruments/fluke73/Fluke73ObjectNames.h"
#include "instruments/hc6000/Hc6000ObjectNames.h"
#include "instruments/phywe/PhyweObjectNames.h"
#include "platform/ScreenCursors.h"

#include <QPointer>

using namespace ShellTesting;

namespace {

// Its picture and the page turn's three frames, as the chooser names them.
QStringList picturesOf(InstrumentId instrument)
{
    return RegisteredInstruments::chooserPictures(InstrumentRegistry::definition(instrument));
}

// The chooser, with its timer's own ticks held back so that the test delivers them.
ChooserWindow* heldChooser()
{
    ChooserWindow* form = chooser();
    if (form)
        holdAnimationTimer(form);
    return form;
}

void click(ChooserWindow* form, const QString& picture)
{
    QLabel* target = label(form, picture);
    QVERIFY2(target && target->isVisible(), qPrintable(picture));
    QTest::mouseClick(target, Qt::LeftButton);
}

// Which of a picture and its frames are visible.
QStringList visibleOf(ChooserWindow* form, const QStringList& names)
{
    QStringList visible;
    for (const QString& name : names)
        if (label(form, name)->isVisible())
            visible.append(name);
    return visible;
}

} // namespace

class ChooserAnimationTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { startListening(); }

    void pictureTurnsAwayThenInstrumentOpens_data()
    {
        QTest::addColumn<int>("id");
        for (const InstrumentRegistry::Entry& entry : InstrumentRegistry::all())
            QTest::addRow("%s", RegisteredInstruments::rowName(entry.definition).constData()) << int(entry.id);
    }

    void pictureTurnsAwayThenInstrumentOpens()
    {
        QFETCH(int, id);
        const InstrumentDefinition& instrument = InstrumentRegistry::definition(InstrumentId(id));
        const ChooserEntry& entry = instrument.chooser;
        const QString main = entry.mainObjectName;
        const QStringList frames = picturesOf(InstrumentId(id)).mid(1);
        const QString window = RegisteredInstruments::windowOf(instrument);
        TestSession session;
        QPointer<ChooserWindow> form = chooser();
        QCOMPARE(form->animationTimer()->interval(), 300);
        QVERIFY(!form->animationTimer()->isActive());
        holdAnimationTimer(form);
        QCOMPARE(label(form, main)->toolTip(), entry.hint);
        const QStringList all = QStringList{main} + frames;
        QCOMPARE(visibleOf(form, all), QStringList{main});

        click(form, main);
        QVERIFY(form->animationTimer()->isActive());
        QCOMPARE(visibleOf(form, all), QStringList{main});

        for (int k = 1; k <= 3; ++k) {
            tick(form);
            QLabel* frame = label(form, frames[k - 1]);
            QCOMPARE(visibleOf(form, all), QStringList{frames[k - 1]});
            QCOMPARE(frame->geometry(), QRect(entry.framesAt, entry.frameSizes[k - 1]));
            QVERIFY2(!frame->pixmap().isNull(), "the frame shows a picture");
            QCOMPARE(frame->pixmap().deviceIndependentSize().toSize(), entry.frameSizes[k - 1]);
            // Turned, not squeezed: the page's top left shows as it was, and the grey ground
            // shows at the lower right, where the page has lifted.
            const QImage page = label(form, main)->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
            const QImage shown = frame->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
            const int corner = qRound(12 * frame->pixmap().devicePixelRatio());
            QCOMPARE(shown.copy(0, 0, corner, corner), page.copy(0, 0, corner, corner));
            QCOMPARE(shown.pixelColor(shown.width() - 1, shown.height() - 1), QColor(192, 192, 192));
            QVERIFY2(frame->toolTip().isEmpty(), "frames have no hint");
            QVERIFY2(TestSession::windows(window).isEmpty(), "the instrument opens only at the fourth tick");
        }

        tick(form);
        QVERIFY(form); // released, not yet destroyed
        QVERIFY2(!form->animationTimer()->isActive(), "the animation ends with the fourth tick");
        QVERIFY(!label(form, frames[2])->isVisible());
        TestSession::settle();
        QVERIFY(!form);
        QCOMPARE(TestSession::openWindowNames(), QStringList{window});
        QVERIFY(session.boxes().isEmpty());
    }

    void returnShowsPicturesAgain()
    {
        TestSession session;
        ChooserWindow* form = heldChooser();
        click(form, Hc6000Names::chooserPicture);
        for (int k = 0; k < 4; ++k)
            tick(form);
        TestSession::settle();
        TestSession::choose(TestSession::window(Hc6000Names::window), ObjectNames::backMenuItem);
        TestSession::settle();

        form = chooser();
        QVERIFY(form);
        const QStringList hc6000 = picturesOf(InstrumentId::Hc6000);
        QCOMPARE(visibleOf(form, hc6000), QStringList{Hc6000Names::chooserPicture});
        QVERIFY(!form->animationTimer()->isActive());
    }

    void secondPictureRestartsCount_data()
    {
        QTest::addColumn<int>("ticksBefore");
        QTest::addColumn<QString>("firstLeftShowing");
        QTest::addRow("before the first tick") << 0 << Fg110Names::chooserPicture;
        QTest::addRow("at frame 2") << 1 << Fg110Names::chooserFrame1;
        QTest::addRow("at frame 3") << 2 << Fg110Names::chooserFrame2;
        QTest::addRow("at frame 4") << 3 << Fg110Names::chooserFrame3;
    }

    void secondPictureRestartsCount()
    {
        QFETCH(int, ticksBefore);
        QFETCH(QString, firstLeftShowing);
        TestSession session;
        QPointer<ChooserWindow> form = heldChooser();
        const QStringList fg110 = picturesOf(InstrumentId::Fg110);
        const QStringList phywe = picturesOf(InstrumentId::Phywe);

        click(form, Fg110Names::chooserPicture);
        for (int k = 0; k < ticksBefore; ++k)
            tick(form);
        click(form, PhyweNames::chooserPicture);
        QVERIFY2(form->animationTimer()->isActive(), "the timer keeps running");
        QCOMPARE(form->frameCounter(), 0);

        for (int k = 1; k <= 3; ++k) {
            tick(form);
            QCOMPARE(visibleOf(form, phywe), QStringList{phywe[k]});
            QCOMPARE(visibleOf(form, fg110), QStringList{firstLeftShowing});
        }
        tick(form);
        TestSession::settle();
        QCOMPARE(TestSession::openWindowNames(), QStringList{PhyweNames::window});
        QVERIFY(session.boxes().isEmpty());
    }

    void clickOnFrameDoesNothing()
    {
        TestSession session;
        QPointer<ChooserWindow> form = heldChooser();
        const QStringList hc6000 = picturesOf(InstrumentId::Hc6000);
        click(form, Hc6000Names::chooserPicture);
        tick(form);
        click(form, Hc6000Names::chooserFrame1);
        QCOMPARE(form->frameCounter(), 1);
        QCOMPARE(visibleOf(form, hc6000), QStringList{Hc6000Names::chooserFrame1});
        tick(form);
        click(form, Hc6000Names::chooserFrame2);
        tick(form);
        click(form, Hc6000Names::chooserFrame3);
        QCOMPARE(visibleOf(form, hc6000), QStringList{Hc6000Names::chooserFrame3});
        tick(form);
        TestSession::settle();
        QCOMPARE(TestSession::openWindowNames(), QStringList{Hc6000Names::window});
    }

    void menuItemDuringAnimationOpensAtOnce()
    {
        TestSession session;
        QPointer<ChooserWindow> form = heldChooser();
        click(form, Hc6000Names::chooserPicture);
        tick(form);
        TestSession::choose(form, Fluke73Names::chooserMenuItem);
        TestSession::settle();
        QVERIFY2(!form, "the animation is abandoned with the chooser");
        QCOMPARE(TestSession::openWindowNames(), QStringList{Fluke73Names::window});
    }

    void missingCueEndsAnimation()
    {
        TestSession session;
        QPointer<ChooserWindow> form = heldChooser();
        SoundFolder folder("HC6000S.WAV");
        folder.use();
        const QStringList hc6000 = picturesOf(InstrumentId::Hc6000);

        click(form, Hc6000Names::chooserPicture);
        for (int k = 0; k < 4; ++k)
            tick(form);
        TestSession::settle();
        QCOMPARE(session.boxes().size(), 1);
        QCOMPARE(session.boxes().first().icon, MessageBoxes::Icon::Error);
        QVERIFY2(session.boxes().first().text.contains("HC6000S.WAV"), qPrintable(session.boxes().first().text));
        QVERIFY(form);
        QCOMPARE(TestSession::openWindowNames(), QStringList{ObjectNames::chooserWindow});
        QVERIFY2(!form->animationTimer()->isActive(), "the animation has ended");
        QCOMPARE(visibleOf(form, hc6000), QStringList{Hc6000Names::chooserPicture});

        // The picture can be clicked again, and opens the instrument once its cue is back.
        SoundFolder::useProgramFolder();
        session.clearBoxes();
        click(form, Hc6000Names::chooserPicture);
        QVERIFY(form->animationTimer()->isActive());
        QCOMPARE(form->frameCounter(), 0);
        for (int k = 1; k <= 3; ++k) {
            tick(form);
            QCOMPARE(visibleOf(form, hc6000), QStringList{hc6000[k]});
        }
        tick(form);
        TestSession::settle();
        QCOMPARE(TestSession::openWindowNames(), QStringList{Hc6000Names::window});
        QVERIFY(session.boxes().isEmpty());
    }

    void pageSoundFollowsSwitch_data()
    {
        QTest::addColumn<bool>("soundOn");
        QTest::addRow("sound on") << true;
        QTest::addRow("sound off") << false;
    }

    void pageSoundFollowsSwitch()
    {
        QFETCH(bool, soundOn);
        if (!SinkRecorder::available())
            QSKIP("no audio server");
        TestSession session;
        ChooserWindow* form = heldChooser();
        if (!soundOn)
            TestSession::choose(form, ObjectNames::soundMenuItem);
        const int peak = SinkRecorder::peakDuring([form] { click(form, Hc6000Names::chooserPicture); });
        if (soundOn)
            QVERIFY2(peak > HeardPeak, qPrintable(QString::number(peak)));
        else
            QVERIFY2(peak < HeardPeak, qPrintable(QString::number(peak)));
        QVERIFY(form->animationTimer()->isActive());
    }

    // The page sound is stopped when the animation ends and before a menu item's
    // navigation, even when the instrument then cannot open and the chooser stays.
    void pageSoundStops_data()
    {
        QTest::addColumn<QString>("then");
        QTest::addColumn<bool>("heard");
        QTest::addRow("nothing else happens") << "" << true;
        QTest::addRow("fourth tick") << "fourth tick" << false;
        QTest::addRow("menu item") << "menu item" << false;
    }

    void pageSoundStops()
    {
        QFETCH(QString, then);
        QFETCH(bool, heard);
        if (!SinkRecorder::available())
            QSKIP("no audio server");
        TestSession session;
        QPointer<ChooserWindow> form = heldChooser();
        SoundFolder folder("HC6000S.WAV");
        folder.use();

        click(form, Hc6000Names::chooserPicture);
        QTest::qWait(150); // the page sound is under way
        if (then == "fourth tick") {
            for (int k = 0; k < 4; ++k)
                tick(form);
        } else if (then == "menu item") {
            TestSession::choose(form, Hc6000Names::chooserMenuItem);
        }
        // Listen to what is left of the page sound.
        const int peak = SinkRecorder::peakDuring([] {}, 300);
        if (heard)
            QVERIFY2(peak > HeardPeak, qPrintable(QString::number(peak)));
        else
            QVERIFY2(peak < HeardPeak, qPrintable(QString::number(peak)));
        QCOMPARE(session.boxes().size(), then.isEmpty() ? 0 : 1);
        QVERIFY(form);
    }

    void pointingHandOverPictures_data()
    {
        QTest::addColumn<QString>("programName");
        QTest::addColumn<bool>("hand");
        QTest::addRow("trivane") << "trivane" << true;
        QTest::addRow("Trivane.exe") << "Trivane.exe" << true;
        QTest::addRow("another name") << "tutorial" << false;
    }

    void pointingHandOverPictures()
    {
        QFETCH(QString, programName);
        QFETCH(bool, hand);
        TestSession session(programName);
        QVERIFY(session.started());
        QCOMPARE(ScreenCursors::isRegistered(ScreenCursors::PointingHand), hand);
        ChooserWindow* form = heldChooser();
        for (const InstrumentRegistry::Entry& entry : InstrumentRegistry::all()) {
            QLabel* picture = label(form, entry.definition.chooser.mainObjectName);
            // Two moves, so that the pointer really moves over the picture.
            QTest::mouseMove(picture, QPoint(2, 2));
            QTest::mouseMove(picture, QPoint(10, 10));
            QCOMPARE(picture->cursor().shape(), hand ? Qt::BitmapCursor : Qt::ArrowCursor);
        }
        QVERIFY(!form->animationTimer()->isActive());
        QVERIFY(session.boxes().isEmpty());
    }
};

TRIVANE_AUDIO_TEST_MAIN(ChooserAnimationTest)
#include "tst_chooser_animation.moc"
