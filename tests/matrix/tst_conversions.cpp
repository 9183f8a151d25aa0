#include "TestMain.h"
#include "TestSupport.h"
#include "matrix/Conversions.h"

#include <cmath>
#include <limits>

class TestConversions : public QObject
{
    Q_OBJECT

private slots:
    void parseRatio_data();
    void parseRatio();
    void parseRatioFailures_data();
    void parseRatioFailures();
    void ratioToFloat_data();
    void ratioToFloat();
    void strToFloat_data();
    void strToFloat();
    void strToInt_data();
    void strToInt();
    void formatFloat4_data();
    void formatFloat4();
};

void TestConversions::parseRatio_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("numerator");
    QTest::addColumn<int>("denominator");
    QTest::newRow("colon") << "3:1" << 3 << 1;
    QTest::newRow("colon, row item loses") << "1:9" << 1 << 9;
    QTest::newRow("slash") << "1/12" << 1 << 12;
    QTest::newRow("two digit term") << "12:1" << 12 << 1;
    QTest::newRow("one") << "1" << 1 << 1;
    QTest::newRow("bare number means 1 to n") << "7" << 1 << 7;
    QTest::newRow("empty") << "" << 1 << 0;
    QTest::newRow("several separators keep the last two") << "2:3:4" << 3 << 4;
    QTest::newRow("nothing after the colon") << "3:" << 3 << 0;
    QTest::newRow("lone colon") << ":" << 0 << 0;
    QTest::newRow("largest 32-bit term") << "2147483647:1" << 2147483647 << 1;
}

void TestConversions::parseRatio()
{
    QFETCH(QString, text);
    QFETCH(int, numerator);
    QFETCH(int, denominator);
    const TRatio r = ParseRatio(text);
    QCOMPARE(r.Numerator, numerator);
    QCOMPARE(r.Denominator, denominator);
}

void TestConversions::parseRatioFailures_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("decimal point") << "2.5" << "'.' is not a valid integer value";
    QTest::newRow("decimal comma") << "2,5" << "',' is not a valid integer value";
    QTest::newRow("sign") << "-3" << "'-' is not a valid integer value";
    QTest::newRow("blank") << "1: 3" << "' ' is not a valid integer value";
    QTest::newRow("letter") << "1:a" << "'a' is not a valid integer value";
    QTest::newRow("Slovenian letter") << "č" << "'č' is not a valid integer value";
    QTest::newRow("term beyond 32 bits") << "99999999999:1" << "'99999999999' is not a valid integer value";
    QTest::newRow("second term beyond 32 bits") << "1:2147483648" << "'2147483648' is not a valid integer value";
}

void TestConversions::parseRatioFailures()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    QCOMPARE(ErrorOf([&] { ParseRatio(text); }), message);
}

void TestConversions::ratioToFloat_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("message");
    for (const QString &sep : {QStringLiteral(","), QStringLiteral(".")}) {
        const QByteArray tag = sep == QLatin1String(",") ? "comma " : "point ";
        QTest::newRow(tag + "one") << sep << "1" << 1.0 << "";
        QTest::newRow(tag + "3:1") << sep << "3:1" << 3.0 << "";
        QTest::newRow(tag + "1:4") << sep << "1:4" << 0.25 << "";
        QTest::newRow(tag + "bare 5") << sep << "5" << 0.2 << "";
        QTest::newRow(tag + "empty") << sep << "" << 0.0 << "Floating point division by zero";
        QTest::newRow(tag + "bare 0") << sep << "0" << 0.0 << "Floating point division by zero";
        QTest::newRow(tag + "3:") << sep << "3:" << 0.0 << "Floating point division by zero";
        QTest::newRow(tag + "0:0") << sep << "0:0" << 0.0 << "Invalid floating point operation";
        QTest::newRow(tag + "lone colon") << sep << ":" << 0.0 << "Invalid floating point operation";
        QTest::newRow(tag + "point goes to the ratio parser") << sep << "2.5" << 0.0
                                                               << "'.' is not a valid integer value";
    }
    QTest::newRow("comma 2,5") << "," << "2,5" << 2.5 << "";
    QTest::newRow("comma -0,5") << "," << "-0,5" << -0.5 << "";
    QTest::newRow("point 2,5") << "." << "2,5" << 0.0 << "'2,5' is not a valid floating point value";
    QTest::newRow("comma grouped") << "," << "1.250,5" << 0.0
                                   << "'1.250,5' is not a valid floating point value";
}

void TestConversions::ratioToFloat()
{
    QFETCH(QString, separator);
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(QString, message);
    TLocaleScope locale(separator);
    double result = 0.0;
    QCOMPARE(ErrorOf([&] { result = RatioToFloat(text); }), message);
    if (message.isEmpty())
        QCOMPARE(result, value);
}

void TestConversions::strToFloat_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("value");
    QTest::newRow("integer") << "," << "3" << true << 3.0;
    QTest::newRow("comma decimal") << "," << "1250,5" << true << 1250.5;
    QTest::newRow("point decimal") << "." << "1250.5" << true << 1250.5;
    QTest::newRow("negative") << "," << "-3" << true << -3.0;
    QTest::newRow("plus sign") << "." << "+2.5" << true << 2.5;
    QTest::newRow("exponent") << "," << "2,5e3" << true << 2500.0;
    QTest::newRow("negative exponent") << "." << "25E-1" << true << 2.5;
    QTest::newRow("leading separator") << "," << ",5" << true << 0.5;
    QTest::newRow("trailing separator") << "." << "5." << true << 5.0;
    QTest::newRow("surrounding blanks") << "," << " 4 " << true << 4.0;
    QTest::newRow("zero") << "," << "0" << true << 0.0;
    QTest::newRow("empty") << "," << "" << false << 0.0;
    QTest::newRow("word") << "," << "abc" << false << 0.0;
    QTest::newRow("foreign separator") << "," << "2.5" << false << 0.0;
    QTest::newRow("other foreign separator") << "." << "2,5" << false << 0.0;
    QTest::newRow("group separator") << "." << "1,000.5" << false << 0.0;
    QTest::newRow("blank inside") << "," << "1 000" << false << 0.0;
    QTest::newRow("text after the number") << "," << "3x" << false << 0.0;
    QTest::newRow("two separators") << "," << "1,2,3" << false << 0.0;
    QTest::newRow("lone separator") << "," << "," << false << 0.0;
    QTest::newRow("lone sign") << "," << "-" << false << 0.0;
    QTest::newRow("exponent without digits") << "," << "1e" << false << 0.0;
    QTest::newRow("exponent alone") << "," << "e5" << false << 0.0;
    QTest::newRow("infinity word") << "." << "inf" << false << 0.0;
    QTest::newRow("nan word") << "." << "nan" << false << 0.0;
    QTest::newRow("too large for a double") << "." << "1e999" << false << 0.0;
    QTest::newRow("too small for a double reads as zero") << "." << "0.001e-999" << true << 0.0;
}

void TestConversions::strToFloat()
{
    QFETCH(QString, separator);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(double, value);
    TLocaleScope locale(separator);
    QCOMPARE(IsFloat(text), accepted);
    const QString error = ErrorOf([&] {
        const double result = StrToFloat(text);
        QCOMPARE(result, value);
    });
    QCOMPARE(error, accepted ? QString()
                             : QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

void TestConversions::strToInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("value");
    QTest::newRow("zero") << "0" << true << 0;
    QTest::newRow("number") << "12" << true << 12;
    QTest::newRow("negative") << "-1" << true << -1;
    QTest::newRow("smallest") << "-2147483648" << true << int(std::numeric_limits<qint32>::min());
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("decimal") << "2,5" << false << 0;
    QTest::newRow("beyond 32 bits") << "2147483648" << false << 0;
    QTest::newRow("far beyond 32 bits") << "99999999999999999999" << false << 0;
    QTest::newRow("ratio text") << "1:3" << false << 0;
}

void TestConversions::strToInt()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(int, value);
    int result = 0;
    const QString error = ErrorOf([&] { result = StrToInt(text); });
    QCOMPARE(error, accepted ? QString() : QStringLiteral("'%1' is not a valid integer value").arg(text));
    QCOMPARE(result, value);
}

void TestConversions::formatFloat4_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("score") << "," << 0.425 << "0,4250";
    QTest::newRow("score, point") << "." << 0.425 << "0.4250";
    QTest::newRow("rounded") << "," << 0.144018 << "0,1440";
    QTest::newRow("zero") << "," << 0.0 << "0,0000";
    QTest::newRow("one") << "," << 1.0 << "1,0000";
    QTest::newRow("negative") << "," << -2.5 << "-2,5000";
    QTest::newRow("tiny negative loses its sign") << "," << -0.00001 << "0,0000";
    QTest::newRow("powered entry") << "," << 14974.0044 << "14974,0044";
    QTest::newRow("seven integer digits keep ten significant") << "," << 1234567.891 << "1234567,8910";
    QTest::newRow("ten integer digits") << "," << 1234567890.4 << "1234567890,0000";
    QTest::newRow("eleven integer digits") << "," << 12345678901.0 << "1,23456789E10";
    QTest::newRow("general with comma") << "," << 1.5e13 << "1,5E13";
    QTest::newRow("general with point") << "." << 1.5e13 << "1.5E13";
    QTest::newRow("negative general") << "," << -2.25e11 << "-2,25E11";
    QTest::newRow("not a number") << "," << std::nan("") << "NAN";
    QTest::newRow("infinite") << "," << std::numeric_limits<double>::infinity() << "INF";
    QTest::newRow("negative infinite") << "," << -std::numeric_limits<double>::infinity() << "-INF";
}

void TestConversions::formatFloat4()
{
    QFETCH(QString, separator);
    QFETCH(double, value);
    QFETCH(QString, text);
    TLocaleScope locale(separator);
    QCOMPARE(FormatFloat4(value), text);
}

KALVO_TEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
