#include "TestMain.h"
#include "TestSupport.h"
#include "storage/ModelFiles.h"
#include "storage/SurveyImport.h"

namespace {

const QByteArray Header = "Ime;Utež;Nakup avtomobila: Stroški : Varnost;Nakup avtomobila: Stroški : Udobje;"
                          "Nakup avtomobila: Varnost : Prtljažnik\r\n";

QByteArray Files(const TModel &model)
{
    const TModelSetBytes set = EncodeProject(model);
    return set.Criteria + "|" + set.Matrices + "|" + set.Solutions + "|" + set.Extras;
}

} // namespace

class TestSurveyImport : public QObject
{
    Q_OBJECT

private slots:
    void surveys_data();
    void surveys();
};

void TestSurveyImport::surveys_data()
{
    QTest::addColumn<QByteArray>("survey");
    QTest::addColumn<QString>("error");           // a part of the message; empty: imported
    QTest::addColumn<QList<double>>("weights");   // the participants', when imported
    QTest::newRow("only a header") << Header << "vrstica 2: ni nobenega udeleženca" << QList<double>();
    QTest::newRow("0:3") << Header + "Ana;1;0:3;1;1\r\n" << "vrstica 2, stolpec »Nakup avtomobila: Stroški : Varnost«: »0:3« ni razmerje"
                         << QList<double>();
    QTest::newRow("an item compared with itself") << QByteArray("Ime;Nakup avtomobila: Varnost : Varnost\nAna;3:1\n")
                                                  << "kriterij nima dveh različnih postavk" << QList<double>();
    QTest::newRow("an item the criterion does not have") << QByteArray("Ime;Nakup avtomobila: Stroški : Barva\nAna;3:1\n")
                                                         << "stolpec »Nakup avtomobila: Stroški : Barva«" << QList<double>();
    QTest::newRow("a nameless participant") << Header + ";1;3:1;1;1\r\n" << "vrstica 2, stolpec »Ime«: ime udeleženca je prazno"
                                            << QList<double>();
    QTest::newRow("answers that leave items loose") << QByteArray("Ime;Nakup avtomobila: Stroški : Varnost\nAna;3:1\n")
                                                    << "Nobena primerjava ne povezuje »Udobje«, »Prtljažnik« z ostalimi"
                                                    << QList<double>();
    const QByteArray ana = "Ana;1;3:1;1;1\r\n";
    QTest::newRow("a name over two lines") << Header + "\"Marija\nNovak\";1;3:1;5:1;1:2\r\n" << "vrstica 2, stolpec »Ime«: ime vsebuje kontrolni znak"
                                           << QList<double>();
    QTest::newRow("9:1:1") << Header + "Ana;1;9:1:1;1;1\r\n" << "»9:1:1« ni razmerje" << QList<double>();
    QTest::newRow("a pair asked twice") << Header.chopped(2) + ";Nakup avtomobila: Stroški : Varnost\r\n" + ana
                                        << "stolpec z istim imenom je že prej" << QList<double>();
    QTest::newRow("a pair asked both ways") << Header.chopped(2) + ";Nakup avtomobila: Varnost : Stroški\r\n" + ana
                                            << "ta par sprašuje že stolpec" << QList<double>();
    QTest::newRow("a column twice") << QByteArray("Ime;Utež;Utež\r\nAna;1;1\r\n") << "stolpec »Utež«: stolpec z istim imenom" << QList<double>();
    QTest::newRow("a name twice") << Header + ana + ana << "vrstica 3, stolpec »Ime«: »Ana« je že v vrstici 2" << QList<double>();
    QTest::newRow("fields beyond the header") << Header + "Ana;1;3:1;1;1;7\r\n" << "vrstica 2: polj je 6, glava pa jih ima 5"
                                              << QList<double>();
    QTest::newRow("NUL in the text") << Header + QByteArray("An\0a;1;3:1;1;1\r\n", 17) << "znak NUL" << QList<double>();
    QTest::newRow("every weight 0") << Header + "Ana;0;3:1;1;1\r\nBine;0;1;1;1\r\n" << "vse uteži so 0" << QList<double>();
    QTest::newRow("a quote never closed") << Header + "\"Ana;1;3:1;1;1\r\n" << "narekovaj, odprt v vrstici 2" << QList<double>();
    QTest::newRow("weights 1.5 and 1,5, none, 0; a quoted separator; an empty line between rows")
        << Header + "Ana;1.5;3:1;1;1\r\n\r\n\"Novak; Bine\";1,5;1;1;1\r\nCene;;1:2;2:1;1\r\nDana;0;1;1;1\r\n" << ""
        << QList<double>{1.5, 1.5, 1.0, 0.0};
}

// A survey read in whole or refused with its place, the model then as it was.
void TestSurveyImport::surveys()
{
    QFETCH(QByteArray, survey);
    QFETCH(QString, error);
    QFETCH(QList<double>, weights);
    TLocaleScope locale(QStringLiteral(","));
    TModel model;
    LoadProject(model, QStringLiteral(KALVO_EXAMPLES_DIR "/Avto"));
    const QByteArray before = Files(model);
    const QString message = ErrorOf([&] { ImportSurvey(model, survey, QStringLiteral("anketa.csv")); });
    if (!error.isEmpty()) {
        QVERIFY2(message.contains(error) && message.contains(QStringLiteral("anketa.csv")), qPrintable(message));
        QCOMPARE(Files(model), before);
        return;
    }
    QVERIFY2(message.isEmpty(), qPrintable(message));
    QList<double> taken;
    for (const TParticipant &participant : model.Participants)
        taken << participant.Weight;
    QCOMPARE(taken, weights);
    QCOMPARE(model.Participants[1].Name, QStringLiteral("Novak; Bine"));
    QCOMPARE(model.Tree.FirstNode()->Matrix->Judges[2][1][0], QStringLiteral("1:2"));   // Cene's Stroški : Varnost
}

KALVO_TEST_GUILESS_MAIN(TestSurveyImport)
#include "tst_surveyimport.moc"
