#include "shell/CommandLine.h"

#include <QTest>

// "--help" and "--version" are answered wherever they stand; nothing else is.
class CommandLineTest : public QObject
{
    Q_OBJECT
private slots:
    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("firstLine"); // empty: no answer, the program opens
        QTest::addRow("none") << QStringList{} << QString();
        QTest::addRow("--help") << QStringList{"--help"} << "Uso: trivane [--help | --version]";
        QTest::addRow("--version") << QStringList{"--version"} << "Trivane " TRIVANE_VERSION;
        QTest::addRow("after another argument") << QStringList{"-x", "--version"} << "Trivane " TRIVANE_VERSION;
        QTest::addRow("the first of the two") << QStringList{"--help", "--version"} << "Uso: trivane [--help | --version]";
        QTest::addRow("a short form") << QStringList{"-h"} << QString();
        QTest::addRow("another case") << QStringList{"--Version"} << QString();
        QTest::addRow("a Qt option") << QStringList{"-style", "fusion"} << QString();
    }

    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, firstLine);
        QList<QByteArray> bytes{"trivane"};
        for (const QString& argument : arguments)
            bytes << argument.toUtf8();
        std::vector<const char*> argv;
        for (const QByteArray& b : bytes)
            argv.push_back(b.constData());
        const auto text = CommandLine::answer(int(argv.size()), argv.data());
        QCOMPARE(text.has_value(), !firstLine.isEmpty());
        if (text)
            QCOMPARE(QString::fromStdString(*text).section('\n', 0, 0), firstLine);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
