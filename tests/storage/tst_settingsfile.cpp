#include "TestMain.h"
#include "storage/SettingsFile.h"
#include "TestSupport.h"

#include <QFile>
#include <QTemporaryDir>

class TestSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void writesOneKey_data();
    void writesOneKey();
};

void TestSettingsFile::writesOneKey_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("project");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("new file") << QByteArray() << false << "C:/Modeli/stan.krt"
                              << QByteArray("[GENERAL]\r\nPROJECT=C:/Modeli/stan.krt\r\n");
    QTest::newRow("empty value") << QByteArray() << false << ""
                                 << QByteArray("[GENERAL]\r\nPROJECT=\r\n");
    QTest::newRow("value replaced, the rest kept byte for byte")
        << QByteArray("; komentar\r\n[Other]\r\nx = \x81\xFF\r\n[GENERAL]\r\nFOO=1\r\nproject = staro\r\nBAR=2\r\n")
        << true << "novo.krt"
        << QByteArray("; komentar\r\n[Other]\r\nx = \x81\xFF\r\n[GENERAL]\r\nFOO=1\r\nPROJECT=novo.krt\r\nBAR=2\r\n");
    QTest::newRow("key added to its section") << QByteArray("[general]\r\nA=1\r\n\r\n[Zadnja]\r\nB=2\r\n") << true
        << "m" << QByteArray("[general]\r\nA=1\r\nPROJECT=m\r\n\r\n[Zadnja]\r\nB=2\r\n");
    QTest::newRow("section added after foreign content without a final line end")
        << QByteArray("[Tuje]\nC=3") << true << "m" << QByteArray("[Tuje]\nC=3\n[GENERAL]\nPROJECT=m\n");
    QTest::newRow("Windows-1250 value") << QByteArray() << false << "Plača"
                                        << QByteArray("[GENERAL]\r\nPROJECT=Pla\xE8" "a\r\n");
}

void TestSettingsFile::writesOneKey()
{
    QFETCH(QByteArray, before);
    QFETCH(bool, exists);
    QFETCH(QString, project);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Kalvo.ini"));
    if (exists) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    WriteSettingsFile(path, project);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), after);
}

KALVO_TEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
