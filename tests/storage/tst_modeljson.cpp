#include "TestMain.h"
#include "LocaleScope.h"
#include "matrix/KalvoError.h"
#include "storage/ModelFiles.h"
#include "storage/ModelJson.h"
#include "storage/TextFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QByteArray Files(const TModel &model)
{
    const TModelSetBytes set = EncodeProject(model);
    return set.Criteria + "|" + set.Matrices + "|" + set.Solutions + "|" + set.Extras;
}

QJsonObject ExampleDocument()
{
    TModel model;
    LoadProject(model, QStringLiteral(KALVO_EXAMPLES_DIR "/Avto"));
    return QJsonDocument::fromJson(ModelToJson(model)).object();
}

} // namespace

class TestModelJson : public QObject
{
    Q_OBJECT

private slots:
    void examplesRoundTrip_data();
    void examplesRoundTrip();
    void faultsNameTheirPlace_data();
    void faultsNameTheirPlace();
};

void TestModelJson::examplesRoundTrip_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"Avto", "Stanovanje", "Zaposlitev"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// An example read, written out as JSON and read back gives its three files byte
// for byte.
void TestModelJson::examplesRoundTrip()
{
    QFETCH(QString, name);
    TLocaleScope locale(QStringLiteral(","));
    const QString base = QStringLiteral(KALVO_EXAMPLES_DIR "/") + name;
    TModel model;
    LoadProject(model, base);
    TModel back;
    ModelFromJson(back, ModelToJson(model));
    const TModelSetBytes set = EncodeProject(back);
    QCOMPARE(set.Criteria, ReadFileBytes(base + QStringLiteral(".KRT")));
    QCOMPARE(set.Matrices, ReadFileBytes(base + QStringLiteral(".MAT")));
    QCOMPARE(set.Solutions, ReadFileBytes(base + QStringLiteral(".RST")));
    QVERIFY(set.Extras.isEmpty());
}

void TestModelJson::faultsNameTheirPlace_data()
{
    QTest::addColumn<QString>("pointer");   // "criteria/3/values/2": where the document is spoiled
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("value no number") << "criteria/3/values/2" << QJsonValue("veliko") << "criteria[3].values[2]: not a number";
    QTest::newRow("ratio no ratio") << "criteria/0/ratios/1/2" << QJsonValue("2:x") << "criteria[0].ratios[1][2]: not a ratio";
    QTest::newRow("half a blank pair") << "criteria/0/ratios/1/2" << QJsonValue("") << "criteria[0].ratios[1][2]: a blank pair is blank both ways";
    QTest::newRow("short row") << "criteria/0/ratios/1" << QJsonValue(QJsonArray{"1"}) << "criteria[0].ratios[1]: 1 cells, not 4";
    QTest::newRow("unknown kind") << "criteria/4/kind" << QJsonValue("better") << "criteria[4].kind: not relative, less_is_better or more_is_better";
    QTest::newRow("level jumps") << "criteria/1/level" << QJsonValue(2) << "criteria[1].level: more than one level below the criterion before it";
    QTest::newRow("name on two lines") << "solutions/1" << QJsonValue("A\nB") << "solutions[1]: a name must be on one line";
    QTest::newRow("other format") << "format" << QJsonValue("kalvo-model-extras") << "format: not \"kalvo-model\": not a Kalvo model";
    QTest::newRow("negative weight") << "participants" << QJsonValue(QJsonArray{QJsonObject{{"name", "Ana"}, {"weight", -1}}})
                                     << "participants[0].weight: not a weight of 0 or more";
}

// A spoiled document is refused with the place of its fault; the model stays.
void TestModelJson::faultsNameTheirPlace()
{
    QFETCH(QString, pointer);
    QFETCH(QJsonValue, value);
    QFETCH(QString, message);
    TLocaleScope locale(QStringLiteral(","));
    std::function<QJsonValue(QJsonValue, QStringList)> put = [&](QJsonValue at, QStringList steps) -> QJsonValue {
        if (steps.isEmpty())
            return value;
        const QString step = steps.takeFirst();
        if (at.isArray()) {
            QJsonArray array = at.toArray();
            array[step.toInt()] = put(array.at(step.toInt()), steps);
            return array;
        }
        QJsonObject object = at.toObject();
        object[step] = put(object.value(step), steps);
        return object;
    };
    const QJsonObject spoiled = put(ExampleDocument(), pointer.split(QLatin1Char('/'))).toObject();
    TModel model;
    const QByteArray before = Files(model);
    try {
        ModelFromJson(model, QJsonDocument(spoiled).toJson());
        QFAIL("the document was taken");
    } catch (const EKalvoError &e) {
        QCOMPARE(e.message(), message);
    }
    QCOMPARE(Files(model), before);
}

KALVO_TEST_GUILESS_MAIN(TestModelJson)
#include "tst_modeljson.moc"
