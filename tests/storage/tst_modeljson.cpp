#include "TestMain.h"
#include "TestSupport.h"
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

// The car example judged by a group: Ana and Bine, each with the root's texts.
QJsonObject ExampleDocument()
{
    TModel model;
    LoadProject(model, QStringLiteral(KALVO_EXAMPLES_DIR "/Avto"));
    QJsonObject document = QJsonDocument::fromJson(ModelToJson(model)).object();
    document[QStringLiteral("participants")] = QJsonArray{QJsonObject{{"name", "Ana"}, {"weight", 1}},
                                                          QJsonObject{{"name", "Bine"}, {"weight", 2}}};
    QJsonArray criteria = document.value(QStringLiteral("criteria")).toArray();
    QJsonObject root = criteria.at(0).toObject();
    root[QStringLiteral("judgements")] = QJsonArray{root.value("ratios"), root.value("ratios")};
    criteria[0] = root;
    document[QStringLiteral("criteria")] = criteria;
    return document;
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
    QTest::addColumn<QString>("pointer");   // "criteria/3/values/2": where the document is changed ("a|b": both)
    QTest::addColumn<QJsonValue>("value");  // undefined: the key removed
    QTest::addColumn<QString>("message");   // empty: the document is taken
    const QJsonArray twoRows{QJsonArray{"1", "2:1"}, QJsonArray{"1:2", "1"}};
    QTest::newRow("blank diagonal") << "criteria/0/ratios/1/1" << QJsonValue("")
                                    << "criteria[0].ratios[1][1]: the diagonal cannot be blank";
    QTest::newRow("an item compared with itself") << "criteria/0/ratios/2/2" << QJsonValue("3:1")
                                                  << "criteria[0].ratios[2][2]: the diagonal is 1";
    QTest::newRow("0:3") << "criteria/0/ratios/0/1" << QJsonValue("0:3") << "criteria[0].ratios[0][1]: not a ratio";
    QTest::newRow("negative level") << "criteria/1/level" << QJsonValue(-1) << "criteria[1].level: not a level (0, 1, 2, ...)";
    QTest::newRow("another version") << "version" << QJsonValue(2) << "version: only version 1 is known";
    QTest::newRow("no root") << "criteria" << QJsonValue(QJsonArray()) << "criteria: a model has at least its root";
    QTest::newRow("judgements of fewer participants") << "criteria/0/judgements" << QJsonValue(QJsonArray{QJsonArray()})
                                                      << "criteria[0].judgements: 1 participants' judgements, not 2";
    QTest::newRow("a short judgement list") << "criteria/0/judgements/1" << QJsonValue(twoRows)
                                            << "criteria[0].judgements[1]: 2 rows, not 4";
    QTest::newRow("a nameless participant") << "participants/1/name" << QJsonValue("")
                                            << "participants[1].name: a participant has a name";
    QTest::newRow("a second root") << "criteria/1/level" << QJsonValue(0) << "criteria[1].level: a model has one root (level 0)";
    for (const QJsonValue &value : {QJsonValue("0"), QJsonValue("-0"), QJsonValue(-5), QJsonValue("-5")})
        QTest::addRow("value %s", qPrintable(value.toVariant().toString()))
            << "criteria/3/values/0" << value << "criteria[3].values[0]: not a number above 0";
    QTest::newRow("every weight 0") << "participants/0/weight|participants/1/weight" << QJsonValue(0)
                                    << "participants: every weight is 0: nobody has a say";
    QTest::newRow("a weight of 1e308") << "participants/0/weight" << QJsonValue(1e308)
                                       << "participants[0].weight: not a weight from 0 to 1000000";
    QTest::newRow("fewer values than solutions") << "criteria/3/values" << QJsonValue(QJsonArray{"5,6", "4"})
                                                 << "criteria[3].values: 2 items, not 3 (one per solution)";
    QTest::newRow("more values than solutions") << "criteria/3/values" << QJsonValue(QJsonArray{"5,6", "4", "5", "6"})
                                                << "criteria[3].values: 4 items, not 3 (one per solution)";
    QTest::newRow("judgements of measured values") << "criteria/3/judgements" << QJsonValue(QJsonArray())
                                                   << "criteria[3].judgements: a criterion of measured values has no ratios or judgements";
    QTest::newRow("judgements not reciprocal") << "criteria/0/judgements/0/0/1" << QJsonValue("5:1")
                                               << "criteria[0].judgements[0][0][1]: not the reciprocal of [1][0]";
    QTest::newRow("a key twice") << "" << QJsonValue(R"({"format": "kalvo-model", "version": 1, "solutions": [],
        "criteria": [{"name": "A", "name": "B", "level": 0, "kind": null}]})")
                                 << "criteria[0]: the key \"name\" is given twice";
    QTest::newRow("taken: a participant without a weight (1)") << "participants/1/weight" << QJsonValue(QJsonValue::Undefined) << "";
    QTest::newRow("taken: weight 0") << "participants/1/weight" << QJsonValue(0) << "";
    QTest::newRow("taken: no participants, no judgements")
        << "participants|criteria/0/judgements" << QJsonValue(QJsonValue::Undefined) << "";
    QTest::newRow("value no number") << "criteria/3/values/2" << QJsonValue("veliko") << "criteria[3].values[2]: not a number";
    QTest::newRow("ratio no ratio") << "criteria/0/ratios/1/2" << QJsonValue("2:x") << "criteria[0].ratios[1][2]: not a ratio";
    QTest::newRow("half a blank pair") << "criteria/0/ratios/1/2" << QJsonValue("") << "criteria[0].ratios[1][2]: a blank pair is blank both ways";
    QTest::newRow("short row") << "criteria/0/ratios/1" << QJsonValue(QJsonArray{"1"}) << "criteria[0].ratios[1]: 1 cells, not 4";
    QTest::newRow("unknown kind") << "criteria/4/kind" << QJsonValue("better") << "criteria[4].kind: not relative, less_is_better, more_is_better or ratings";
    QTest::newRow("level jumps") << "criteria/1/level" << QJsonValue(2) << "criteria[1].level: more than one level below the criterion before it";
    QTest::newRow("name on two lines") << "solutions/1" << QJsonValue("A\nB") << "solutions[1]: a name must be on one line";
    QTest::newRow("other format") << "format" << QJsonValue("kalvo-model-extras") << "format: not \"kalvo-model\": not a Kalvo model";
    QTest::newRow("negative weight") << "participants" << QJsonValue(QJsonArray{QJsonObject{{"name", "Ana"}, {"weight", -1}}})
                                     << "participants[0].weight: not a weight from 0 to 1000000";
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
    QJsonObject spoiled = ExampleDocument();
    for (const QString &each : pointer.split(QLatin1Char('|')))
        spoiled = put(spoiled, each.split(QLatin1Char('/'))).toObject();
    // No pointer: the value is the whole document, as its bytes.
    const QByteArray bytes = pointer.isEmpty() ? value.toString().toUtf8() : QJsonDocument(spoiled).toJson();
    TModel model;
    const QByteArray before = Files(model);
    QCOMPARE(ErrorOf([&] { ModelFromJson(model, bytes); }), message);
    if (!message.isEmpty()) {
        QCOMPARE(Files(model), before);
        return;
    }
    if (pointer.startsWith(QLatin1String("participants|"))) {
        QVERIFY(model.Participants.empty() && model.Tree.FirstNode()->Matrix->Judges.empty());
        return;
    }
    QCOMPARE(model.Participants.size(), size_t(2));
    QCOMPARE(model.Participants[1].Weight, value.isUndefined() ? 1.0 : 0.0);
}

KALVO_TEST_GUILESS_MAIN(TestModelJson)
#include "tst_modeljson.moc"
