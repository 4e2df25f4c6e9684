// The about box: created once at start-up, hidden, and shown modally from the chooser's
// "&Acerca de Dorvex..." item, the same box every time.

#include "AudioTestMain.h"
#include "ShellTesting.h"
#include "core/ObjectNames.h"
#include "instruments/hc6000/Hc6000ObjectNames.h"

#include <QAction>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

using namespace ShellTesting;

namespace {

QPushButton* aceptar(QWidget* box)
{
    for (QPushButton* button : box->findChildren<QPushButton*>())
        if (button->text() == "&Aceptar")
            return button;
    return nullptr;
}

// What was seen while the box was up.
struct WhileShown {
    QPointer<QWidget> box;
    bool visible = false;
    bool pictureAnswered = false;
    QString caption;
    QStringList labels; // the texts of its labels
    bool hasAceptar = false;
};

// Chooses "&Acerca de Dorvex..." and, once the box is up, tries the chooser's picture
// and then closes the box the given way. Returns when the modal showing has ended.
WhileShown showAbout(ChooserWindow* form, bool byCloseBox)
{
    WhileShown seen;
    QObject whileHere; // nothing below runs once this function has returned
    QTimer::singleShot(0, &whileHere, [&seen, form, byCloseBox] {
        seen.box = QApplication::activeModalWidget();
        if (!seen.box)
            return;
        seen.visible = seen.box->isVisible();
        seen.caption = seen.box->windowTitle();
        for (const QLabel* l : seen.box->findChildren<QLabel*>())
            if (l->isVisible() && !l->text().isEmpty())
                seen.labels.append(l->text());
        QPushButton* button = aceptar(seen.box);
        seen.hasAceptar = button && button->isVisible();
        // A click on a picture, through the window as the user would make it.
        QLabel* picture = label(form, Hc6000Names::chooserPicture);
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, picture->mapTo(form, picture->rect().center()));
        seen.pictureAnswered = form->animationTimer()->isActive();
        if (!byCloseBox && button && button->isVisible())
            QTest::mouseClick(button, Qt::LeftButton);
        else
            seen.box->close(); // the close box, or the way out when "&Aceptar" cannot be seen
    });
    // Should the box not close, it is closed here rather than leaving the test hanging.
    QTimer::singleShot(10000, &whileHere, [] {
        if (QWidget* stuck = QApplication::activeModalWidget())
            stuck->close();
    });
    TestSession::choose(form, ObjectNames::aboutMenuItem);
    return seen;
}

} // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT
private slots:
    void sameBoxShownModallyEachTime_data()
    {
        QTest::addColumn<bool>("byCloseBox");
        QTest::addRow("&Aceptar") << false;
        QTest::addRow("close box") << true;
    }

    void sameBoxShownModallyEachTime()
    {
        QFETCH(bool, byCloseBox);
        TestSession session;
        ChooserWindow* form = chooser();
        holdAnimationTimer(form);
        QPointer<QWidget> about = anyWindow(ObjectNames::aboutBox);
        QVERIFY(about);
        QVERIFY(!about->isVisible());

        for (int time = 1; time <= 2; ++time) {
            const WhileShown seen = showAbout(form, byCloseBox);
            QVERIFY2(seen.box, "the about box is shown modally");
            QCOMPARE(seen.box.data(), about.data());
            QVERIFY(seen.visible);
            QVERIFY2(!seen.pictureAnswered, "the chooser does not answer while the box is shown");
            QVERIFY2(!about->isVisible(), "closing hides the box");
            TestSession::settle();
            QVERIFY2(about, "the box is kept for the next time");
            QCOMPARE(TestSession::openWindowNames(), QStringList{ObjectNames::chooserWindow});
            QCOMPARE(chooser(), form);
            if (!byCloseBox)
                QVERIFY2(seen.hasAceptar, "\"&Aceptar\" is there to press");
        }
        QVERIFY(session.boxes().isEmpty());

        // Once the box is gone, the same click reaches the picture.
        QLabel* picture = label(form, Hc6000Names::chooserPicture);
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, picture->mapTo(form, picture->rect().center()));
        QVERIFY(form->animationTimer()->isActive());
    }

    // What the box shows, the first time and again the second.
    void texts()
    {
        TestSession session;
        ChooserWindow* form = chooser();
        holdAnimationTimer(form);
        for (int time = 1; time <= 2; ++time) {
            const WhileShown seen = showAbout(form, false);
            QVERIFY(seen.box);
            const QByteArray showing = "showing " + QByteArray::number(time);
            QCOMPARE(seen.caption, QString("Acerca de Trivane..."));
            const QStringList& labels = seen.labels;
            QVERIFY2(labels.count("TRIVANE 1.0") == 2, showing); // a black copy over a white one
            QVERIFY2(labels.count("Autor: ") == 1, showing);
            QVERIFY2(labels.count("Coordinado por:") == 1, showing);
            // An author and two coordinators, each name drawn twice.
            QVERIFY2(labels.size() == 2 + 1 + 1 + 3 * 2, showing + ": " + labels.join(" | ").toUtf8());
            for (const QString& text : labels)
                QVERIFY2(labels.count(text) == (text == "Autor: " || text == "Coordinado por:" ? 1 : 2),
                         showing + ": " + text.toUtf8());
            QVERIFY2(seen.hasAceptar, showing);
        }
    }

    // Where the lettering stands, as the box is seen (at any scale): the title's ink
    // centred on the box, and the coordinators' names starting where the author's does.
    void lettering_data()
    {
        QTest::addColumn<QRect>("band"); // where the copy's black ink is looked for
        QTest::addColumn<QString>("lines");
        QTest::addRow("the title") << QRect(50, 20, 310, 29) << "centred on the box";
        QTest::addRow("the first coordinator") << QRect(130, 126, 210, 18) << "under the author";
        QTest::addRow("the second coordinator") << QRect(130, 146, 210, 18) << "under the author";
    }
    void lettering()
    {
        QFETCH(QRect, band);
        QFETCH(QString, lines);
        TestSession session;
        QWidget* about = anyWindow(ObjectNames::aboutBox);
        about->show();
        const QPixmap grabbed = about->grab();
        about->hide();
        const QImage seen = grabbed.toImage();
        const qreal ratio = grabbed.devicePixelRatio();
        // The black ink's first and last columns in a band, in device pixels.
        const auto ink = [&](QRect logical) {
            const QRect rect(QPoint(qRound(logical.left() * ratio), qRound(logical.top() * ratio)),
                             QPoint(qRound(logical.right() * ratio), qRound(logical.bottom() * ratio)));
            int left = rect.right(), right = rect.left();
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                for (int x = rect.left(); x <= rect.right(); ++x)
                    if (qGray(seen.pixel(x, y)) < 64) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
            return std::pair{left, right};
        };
        const auto [left, right] = ink(band);
        QVERIFY2(left < right, "the band holds black lettering");
        if (lines == "centred on the box") {
            const qreal offCentre = (left + right + 1) / 2.0 - about->width() * ratio / 2;
            QVERIFY2(std::abs(offCentre) <= ratio, qPrintable(QString::number(offCentre)));
        } else
            QCOMPARE(left, ink(QRect(130, 69, 210, 18)).first);
    }
};

TRIVANE_AUDIO_TEST_MAIN(AboutBoxTest)
#include "tst_about_box.moc"
