#include "AboutText.h"
#include "DesktopEntry.h"
#include "HomeRules.h"

#include <QtTest>

// Finding the command that opens a page from a desktop entry, the Home
// panel's rules for topics, paper keys and second attempts, and the About
// panel's platform line.
class TestDesktopEntry : public QObject
{
    Q_OBJECT
private slots:
    void execValue_data();
    void execValue();
    void command_data();
    void command();
    void topicsAndKeys();
    void tryAgain_data();
    void tryAgain();
    void platformLine_data();
    void platformLine();
};

void TestDesktopEntry::execValue_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("exec");
    QTest::addRow("plain") << QByteArray("[Desktop Entry]\nName=B\nExec=browser %u\n")
                           << "browser %u";
    QTest::addRow("actions come later") << QByteArray("[Desktop Entry]\nExec=browser %U\n[Desktop "
                                                      "Action new-window]\nExec=browser --new %U\n")
                                        << "browser %U";
    QTest::addRow("only in an action")
        << QByteArray("[Desktop Entry]\nName=B\n[Desktop Action x]\nExec=browser\n") << "";
    QTest::addRow("blanks round the key")
        << QByteArray("[Desktop Entry]\r\nExec = b %f\r\n") << "b %f";
    QTest::addRow("a key that only starts alike")
        << QByteArray("[Desktop Entry]\nExecutable=x\nTryExec=y\nExec=z\n") << "z";
}

void TestDesktopEntry::execValue()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, exec);
    QCOMPARE(DesktopEntry::ExecValue(file), exec);
}

void TestDesktopEntry::command_data()
{
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QStringList>("command");
    const QString page = QStringLiteral("www.example.org/eduprog.html");
    QTest::addRow("address code u") << "firefox %u" << QStringList{"firefox", page};
    QTest::addRow("address list code U with options")
        << "/usr/bin/chromium --new-window %U"
        << QStringList{"/usr/bin/chromium", "--new-window", page};
    QTest::addRow("no field code: appended") << "browser" << QStringList{"browser", page};
    QTest::addRow("icon and name codes dropped")
        << "browser %i %c %u" << QStringList{"browser", page};
    QTest::addRow("quoted program with a blank")
        << "\"/opt/My Browser/run\" %f" << QStringList{"/opt/My Browser/run", page};
    QTest::addRow("escaped quote inside quotes")
        << "sh \"say \\\"hi\\\"\" %u" << QStringList{"sh", "say \"hi\"", page};
    QTest::addRow("percent sign") << "browser --zoom=100%% %u"
                                  << QStringList{"browser", "--zoom=100%", page};
    QTest::addRow("only the first code takes the page")
        << "browser %u %U" << QStringList{"browser", page};
    QTest::addRow("empty") << "" << QStringList{};
    QTest::addRow("no program") << "%u" << QStringList{};
}

void TestDesktopEntry::command()
{
    QFETCH(QString, exec);
    QFETCH(QStringList, command);
    QCOMPARE(DesktopEntry::Command(exec, QStringLiteral("www.example.org/eduprog.html")), command);
}

void TestDesktopEntry::topicsAndKeys()
{
    QCOMPARE(HomeRules::FirstPaperOfTopic(1), 1);
    QCOMPARE(HomeRules::FirstPaperOfTopic(10), 46);
    QCOMPARE(HomeRules::TopicOfFirstPaper(11), 3);
    QCOMPARE(HomeRules::TopicOfFirstPaper(46), 10);
    for (int notFirst : {0, 2, 12, 51, -4})
        QCOMPARE(HomeRules::TopicOfFirstPaper(notFirst), 0);
    QCOMPARE(HomeRules::PaperKey(1, 0), 101);
    QCOMPARE(HomeRules::PaperKey(11, 1), 112);
    QCOMPARE(HomeRules::PaperKey(46, 4), 150);
}

void TestDesktopEntry::tryAgain_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<bool>("offered");
    QTest::addRow("none") << "" << false;
    QTest::addRow("0") << "0" << true;
    QTest::addRow("98.9") << "98.9" << true;
    QTest::addRow("99") << "99" << true;
    QTest::addRow("99.1") << "99.1" << false;
    QTest::addRow("100") << "100" << false;
    QTest::addRow("decimal comma") << "99,5" << false;
    QTest::addRow("not a number counts as 0") << "abc" << true;
}

void TestDesktopEntry::tryAgain()
{
    QFETCH(QString, first);
    QFETCH(bool, offered);
    QCOMPARE(HomeRules::OffersTryAgain(first), offered);
}

void TestDesktopEntry::platformLine_data()
{
    QTest::addColumn<QString>("kernel");
    QTest::addColumn<QString>("line");
    QTest::addRow("linux") << "linux" << "For Linux";
    QTest::addRow("letter case and blanks") << " WinNT " << "For Windows";
    QTest::addRow("a kernel without a known name") << "haiku" << "For Haiku";
    QTest::addRow("none reported") << "" << "";
}

void TestDesktopEntry::platformLine()
{
    QFETCH(QString, kernel);
    QFETCH(QString, line);
    QCOMPARE(AboutText::PlatformLine(kernel), line);
}

QTEST_GUILESS_MAIN(TestDesktopEntry)
#include "tst_desktopentry.moc"
