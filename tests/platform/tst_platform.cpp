#include "platform/MessageBoxes.h"
#include "platform/PictureCache.h"
#include "platform/Pictures.h"
#include "platform/RawPicture.h"
#include "platform/ScreenCursors.h"
#include "platform/SoundPaths.h"
#include "platform/WindowsFontTable.h"
#include "platform/WindowsFonts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QMessageBox>
#include <QRawFont>
#include <QResource>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The layer the program stands on in place of the old platform's services.
class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { WindowsFonts::install(); }
    void cleanup() { SoundPaths::overrideSearchFolders({}); }

    void cuesAreFoundInTheFirstFolderThatHoldsThem()
    {
        QTemporaryDir first, second;
        QVERIFY(QDir(second.path()).mkpath("SOND"));
        QFile file(second.filePath("SOND/PAGINA.WAV"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        SoundPaths::overrideSearchFolders({first.path(), second.path()});
        // Backslashes of the program's own names work on every platform.
        QCOMPARE(SoundPaths::resolve("SOND\\PAGINA.WAV"), second.filePath("SOND/PAGINA.WAV"));
        // A cue found nowhere is named in the first folder, so the error names a real place.
        QCOMPARE(SoundPaths::resolve("SOND\\OTRO.WAV"), first.filePath("SOND/OTRO.WAV"));
    }

    void theProgramFolderComesFirst()
    {
        const QStringList folders = SoundPaths::searchFolders();
        QCOMPARE(folders.size(), 3);
        QCOMPARE(folders.first(), QCoreApplication::applicationDirPath());
        QCOMPARE(folders.last(), QDir::currentPath());
        QVERIFY(QFile::exists(SoundPaths::resolve("SOND\\PAGINA.WAV")));
    }

    void pointingHandOnlyUnderTheProgramsOwnName_data()
    {
        QTest::addColumn<QString>("programFile");
        QTest::addColumn<bool>("loaded");
        QTest::addRow("trivane") << "/usr/bin/trivane" << true;
        QTest::addRow("trivane.exe") << "C:/Trivane/trivane.exe" << true;
        QTest::addRow("Trivane.exe") << "Trivane.exe" << true;
        QTest::addRow("renamed") << "/usr/bin/tutorial" << false;
        QTest::addRow("other case") << "/usr/bin/TRIVANE" << false;
        QTest::addRow("a test program") << QCoreApplication::applicationFilePath() << false;
    }
    void pointingHandOnlyUnderTheProgramsOwnName()
    {
        QFETCH(QString, programFile);
        QFETCH(bool, loaded);
        ScreenCursors::loadPointingCursor(programFile);
        QCOMPARE(ScreenCursors::pointingCursor().has_value(), loaded);
        ScreenCursors::registerCursor(ScreenCursors::PointingHand, ScreenCursors::pointingCursor());
        const QCursor cursor = ScreenCursors::cursor(ScreenCursors::PointingHand);
        if (loaded) {
            QCOMPARE(cursor.shape(), Qt::BitmapCursor);
            QCOMPARE(cursor.hotSpot(), QPoint(12, 2));
            QCOMPARE(cursor.pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
        } else {
            // Registering the empty cursor removed number 19: the arrow shows instead.
            QVERIFY(!ScreenCursors::isRegistered(ScreenCursors::PointingHand));
            QCOMPARE(cursor.shape(), Qt::ArrowCursor);
        }
    }

    void aRealMessageBoxWaitsForOk()
    {
        QString caption, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttons = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            caption = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = int(box->buttons().size());
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        MessageBoxes::show(nullptr, "El panel está abierto", "Cierre antes el panel frontal.",
                           MessageBoxes::Icon::Exclamation);
        QCOMPARE(caption, QString("El panel está abierto"));
        QCOMPARE(text, QString("Cierre antes el panel frontal."));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(buttons, 1);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void windowsFontNamesResolveToInstalledFonts_data()
    {
        QTest::addColumn<QString>("windowsFamily");
        QTest::addColumn<QString>("installed");
        QTest::addRow("Times New Roman") << "Times New Roman"
                                         << "Liberation Serif";
        QTest::addRow("Arial") << "Arial"
                               << "Liberation Sans";
        QTest::addRow("Garamond") << "Garamond"
                                  << "EB Garamond 08"; // its 12 cut's bold lacks accents
        QTest::addRow("MS Sans Serif") << "MS Sans Serif"
                                       << "Liberation Sans";
        QTest::addRow("System") << "System"
                                << "Liberation Sans";
    }
    void windowsFontNamesResolveToInstalledFonts()
    {
        QFETCH(QString, windowsFamily);
        QFETCH(QString, installed);
        const QFont font = WindowsFonts::pixels(windowsFamily, 15, true);
        const QFontInfo info(font);
        QCOMPARE(info.family(), installed);
        QVERIFY(info.bold());
        // A font 15 pixels high is one whose whole line (ascent plus descent) is 15
        // pixels, to the nearest whole em; its em is no larger (smaller for most faces).
        QVERIFY2(qAbs(QFontMetrics(font).height() - 15) <= 1, qPrintable(QString::number(QFontMetrics(font).height())));
        QVERIFY(info.pixelSize() <= 15);

        // Every Spanish letter comes from the face itself, bold or not, not from another font.
        for (const bool bold : {false, true}) {
            const QRawFont face = QRawFont::fromFont(WindowsFonts::pixels(windowsFamily, 15, bold));
            for (const QChar letter : QStringLiteral("ÁÉÍÓÚÜÑáéíóúüñ¿¡º"))
                QVERIFY2(face.supportsCharacter(letter),
                         qPrintable(QStringLiteral("%1 %2 lacks %3").arg(face.familyName(), face.styleName(), letter)));
        }
    }

    // What each font of the table resolves to here, plain and bold: the free family, the
    // weight and the face drawn (Arial Black's black face, never a lighter one; Garamond's
    // bold is its 08 cut's regular face thickened; System's semibold is Liberation's bold).
    void everyTableFontResolvesToItsFamilyAndWeight_data()
    {
        QTest::addColumn<QString>("windowsFamily");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("weight");
        QTest::addColumn<QString>("face");
        struct Resolved {
            const char* family;
            QFont::Weight weight;
            const char* face;
        };
        const struct {
            const char* windowsFamily;
            Resolved plain, bold;
        } rows[] = {
            {"Times New Roman",
             {"Liberation Serif", QFont::Normal, "Regular"},
             {"Liberation Serif", QFont::Bold, "Bold"}},
            {"Arial", {"Liberation Sans", QFont::Normal, "Regular"}, {"Liberation Sans", QFont::Bold, "Bold"}},
            {"Arial Black", {"Lato", QFont::Black, "Black"}, {"Lato", QFont::Black, "Black"}},
            {"Garamond",
             {"EB Garamond 12", QFont::Normal, "12 Regular"},
             {"EB Garamond 08", QFont::Bold, "08 Regular"}},
            {"MS Sans Serif", {"Liberation Sans", QFont::Normal, "Regular"}, {"Liberation Sans", QFont::Bold, "Bold"}},
            {"System", {"Liberation Sans", QFont::DemiBold, "Bold"}, {"Liberation Sans", QFont::Bold, "Bold"}},
        };
        QStringList covered;
        for (const auto& row : rows) {
            for (const bool bold : {false, true}) {
                const Resolved& to = bold ? row.bold : row.plain;
                QTest::addRow("%s%s", row.windowsFamily, bold ? ", bold" : "")
                    << row.windowsFamily << bold << to.family << int(to.weight) << to.face;
            }
            covered << row.windowsFamily;
        }
        QCOMPARE(covered, WindowsFonts::windowsFamilies());
    }
    void everyTableFontResolvesToItsFamilyAndWeight()
    {
        QFETCH(QString, windowsFamily);
        QFETCH(bool, bold);
        QFETCH(QString, family);
        QFETCH(int, weight);
        QFETCH(QString, face);
        const QFontInfo info(WindowsFonts::pixels(windowsFamily, 15, bold));
        QCOMPARE(info.family(), family);
        QCOMPARE(info.weight(), weight);
        QCOMPARE(info.styleName(), face);
    }

    // The cells measured at build time are what the fonts installed here measure, for
    // every family of the table, plain and bold (a font package updated after the build
    // would show here first).
    void measuredCellsMatchTheInstalledFonts_data()
    {
        QTest::addColumn<QString>("windowsFamily");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<double>("cellPerEm");
        for (const WindowsFonts::MeasuredCell& cell : WindowsFonts::measuredCells)
            QTest::addRow("%s%s", cell.windowsFamily, cell.bold ? ", bold" : "")
                << cell.windowsFamily << cell.bold << cell.cellPerEm;
    }
    void measuredCellsMatchTheInstalledFonts()
    {
        QFETCH(QString, windowsFamily);
        QFETCH(bool, bold);
        QFETCH(double, cellPerEm);
        QCOMPARE(WindowsFonts::measureCellPerEm(WindowsFonts::freeFont(windowsFamily, bold)), cellPerEm);
    }

    void everyDrawingRendersAtItsSize()
    {
        QDirIterator it(":/pictures", {"*.svg"}, QDir::Files, QDirIterator::Subdirectories);
        int count = 0;
        while (it.hasNext()) {
            const QString path = it.next();
            QSvgRenderer renderer(path);
            QVERIFY2(renderer.isValid(), qPrintable(path));
            const QSize size = renderer.defaultSize();
            QCOMPARE(renderer.viewBox(), QRect(QPoint(0, 0), size));
            const QString name = path.mid(QStringLiteral(":/pictures/").size()).chopped(4);
            const QPixmap pixmap = Pictures::get(name, size);
            QCOMPARE(pixmap.deviceIndependentSize().toSize(), size);
            // Drawn at the screen's pixel density, so that it is crisp there.
            QCOMPARE(pixmap.devicePixelRatio(), qApp->devicePixelRatio());
            QCOMPARE(pixmap.size(), size * qApp->devicePixelRatio());
            ++count;
        }
        QVERIFY(count >= 23);
        QVERIFY(QFile::exists(":/cursors/indice_ext.svg"));
        QVERIFY(QFile::exists(":/icon/mainicon.svg"));
    }

    // Pixmaps of half the budget each: a window holds some, the cache keeps those and the
    // most recently used of the rest up to its budget.
    void thePictureCacheKeepsWhatIsShownAndTheLatestOfTheRest_data()
    {
        QTest::addColumn<QString>("inserted"); // in order of use
        QTest::addColumn<QString>("shown");    // held by a window
        QTest::addColumn<QString>("kept");
        QTest::addRow("within the budget") << "ab"
                                           << ""
                                           << "ab";
        QTest::addRow("the oldest unshown goes") << "abc"
                                                 << ""
                                                 << "bc";
        QTest::addRow("shown ones stay, whatever their age") << "abcd"
                                                             << "ab"
                                                             << "abcd";
        QTest::addRow("a shown one does not count") << "abcde"
                                                    << "c"
                                                    << "cde";
    }
    void thePictureCacheKeepsWhatIsShownAndTheLatestOfTheRest()
    {
        QFETCH(QString, inserted);
        QFETCH(QString, shown);
        QFETCH(QString, kept);
        Pictures::PictureCache cache;
        QList<QPixmap> windows;
        for (const QChar name : inserted) {
            QPixmap pixmap(256, int(Pictures::PictureCache::UnshownBudgetBytes / 2 / (256 * 4)));
            pixmap.fill(Qt::white);
            if (shown.contains(name))
                windows.append(pixmap);
            cache.insert(name, pixmap);
        }
        QString left;
        for (const QChar name : inserted)
            if (cache.find(name))
                left += name;
        QCOMPARE(left, kept);
        QVERIFY(cache.unshownBytes() <= Pictures::PictureCache::UnshownBudgetBytes);
    }

    // The chooser's pictures come raw, uncompressed, and are the very pixels of their PNGs.
    void theChoosersPicturesAreStoredRawAsTheirPngs()
    {
        QDirIterator it(":/pictures/chooser", {"*.svg"}, QDir::Files);
        int count = 0;
        while (it.hasNext()) {
            const QString name = "chooser/" + QFileInfo(it.next()).completeBaseName();
            const QString ratio = QString::number(qApp->devicePixelRatio());
            const QResource raw(":/prerendered/" + name + "@" + ratio + "x.raw");
            QVERIFY2(raw.isValid() && raw.compressionAlgorithm() == QResource::NoCompression, qPrintable(name));
            const QImage png(":/prerendered/" + name + "@" + ratio + "x.png");
            QCOMPARE(raw.size(), qint64(sizeof(Pictures::RawHeader)) + png.width() * png.height() * 4);
            const QPixmap shown = Pictures::get(name, png.size() / qApp->devicePixelRatio());
            QCOMPARE(shown.toImage(), QPixmap::fromImage(png).toImage());
            ++count;
        }
        QCOMPARE(count, 7);
    }

    void picturesAreRenderedOnce()
    {
        const QPixmap first = Pictures::get("chooser/fluke45", {151, 61});
        QCOMPARE(Pictures::get("chooser/fluke45", {151, 61}).cacheKey(), first.cacheKey());
        QVERIFY(Pictures::get("no/such/picture", {10, 10}).isNull());
    }
};

QTEST_MAIN(PlatformTest)
#include "tst_platform.moc"
