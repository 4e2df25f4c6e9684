// Every control catalogue of the program, checked against the picture it is registered
// on: each control can be pointed at and each click has something to explain.

#include "CatalogueTexts.h"
#include "instruments/InstrumentRegistry.h"
#include "platform/Pictures.h"
#include "widgets/SensitiveMap.h"

#include <QFile>
#include <QSet>
#include <QTest>

#include <algorithm>

namespace {

void addCatalogueRows()
{
    QTest::addColumn<int>("index");
    const auto& all = InstrumentRegistry::allCatalogues();
    for (int i = 0; i < int(all.size()); ++i)
        QTest::addRow("%s", qPrintable(all[i].name)) << i;
}

const CatalogueOnPicture& current()
{
    QFETCH(int, index);
    return InstrumentRegistry::allCatalogues().at(std::size_t(index));
}

QString rowName(std::size_t i, const ControlRow& row)
{
    return QStringLiteral("row %1 (%2)").arg(i + 1).arg(row.caption);
}

} // namespace

class CataloguesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(!InstrumentRegistry::allCatalogues().empty()); }

    void rectangles_data() { addCatalogueRows(); }

    // Inside the picture and not empty, so that the map registers it; and not wholly
    // under earlier rows, which the hit test would find first.
    void rectangles()
    {
        const CatalogueOnPicture& c = current();
        const ControlCatalogue& rows = *c.catalogue;
        QVERIFY(!rows.empty());
        QVERIFY(int(rows.size()) <= SensitiveMap::Capacity);
        const int w = c.pictureSize.width(), h = c.pictureSize.height();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const ControlRow& r = rows[i];
            const QString name = rowName(i, r);
            QVERIFY2(0 <= r.left && r.left < r.right && r.right <= w, qPrintable(name));
            QVERIFY2(0 <= r.top && r.top < r.bottom && r.bottom <= h, qPrintable(name));

            bool reachable = false;
            for (int y = r.top; y < r.bottom && !reachable; ++y)
                for (int x = r.left; x < r.right && !reachable; ++x) {
                    reachable = true;
                    for (std::size_t j = 0; j < i && reachable; ++j) {
                        const ControlRow& e = rows[j];
                        if (e.left <= x && x < e.right && e.top <= y && y < e.bottom)
                            reachable = false;
                    }
                }
            QVERIFY2(reachable, qPrintable(name + " lies under earlier rows"));
        }
    }

    void texts_data() { addCatalogueRows(); }

    // A click finds its row by the caption, so captions are distinct; what it shows is
    // never empty.
    void texts()
    {
        const ControlCatalogue& rows = *current().catalogue;
        QSet<QString> captions;
        const auto someText = [](const QStringList& lines) {
            return std::any_of(lines.begin(), lines.end(), [](const QString& l) { return !l.trimmed().isEmpty(); });
        };
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const ControlRow& r = rows[i];
            const QString name = rowName(i, r);
            QVERIFY2(!r.caption.trimmed().isEmpty(), qPrintable(name));
            QVERIFY2(!captions.contains(r.caption), qPrintable(name + " repeats a caption"));
            captions.insert(r.caption);
            QVERIFY2(!r.name.trimmed().isEmpty(), qPrintable(name));
            QVERIFY2(someText(r.description), qPrintable(name + " has no description"));
            // A control may have nothing to say on its use, but says so with an empty line.
            QVERIFY2(!r.usage.isEmpty(), qPrintable(name + " has no usage"));
        }
    }

    // Every text the catalogues show, letter by letter as the reviewed copy has it: a
    // dropped accent or a changed word anywhere is a difference.
    void textsAreTheReviewedOnes()
    {
        QFile file(QStringLiteral(TRIVANE_CATALOGUE_TEXTS));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QStringList reviewed = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        if (reviewed.last().isEmpty()) // the file's last line ends like every other
            reviewed.removeLast();
        const QString difference = CatalogueTexts::difference(reviewed, CatalogueTexts::render());
        if (!difference.isEmpty()) {
            // Line by line: a failure's own message is cut short.
            for (const QString& line : difference.split(QLatin1Char('\n')))
                qInfo().noquote() << line;
            QFAIL(qPrintable(QStringLiteral("The catalogues differ from the reviewed copy %1 as printed above "
                                            "(regenerate it only after a deliberate change: README)")
                                 .arg(file.fileName())));
        }
    }

    void relatedTopics_data() { addCatalogueRows(); }

    void relatedTopics()
    {
        const CatalogueOnPicture& c = current();
        const ControlCatalogue& rows = *c.catalogue;
        for (std::size_t i = 0; i < rows.size(); ++i)
            for (const RelatedTopic& topic : rows[i].related) {
                const QString name = rowName(i, rows[i]);
                QVERIFY2(!topic.text.trimmed().isEmpty(), qPrintable(name));
                QVERIFY2(1 <= topic.topic && topic.topic <= c.topicCount,
                         qPrintable(name + QStringLiteral(": topic %1").arg(topic.topic)));
            }
    }

    void picture_data() { addCatalogueRows(); }

    void picture()
    {
        const CatalogueOnPicture& c = current();
        QVERIFY(!c.pictureSize.isEmpty());
        QVERIFY2(!Pictures::get(c.picture, c.pictureSize).isNull(), qPrintable(c.picture));
    }
};

QTEST_MAIN(CataloguesTest)
#include "tst_catalogues.moc"
