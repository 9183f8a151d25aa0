#include "report/Questionnaire.h"

#include "model/Model.h"
#include "model/NodePath.h"
#include "matrix/Conversions.h"
#include "matrix/KalvoError.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

// A ratio text as a position on the 17-point scale: -8 (9 for the left item)
// through 0 (1) to 8 (9 for the right item); none for a blank or odd text.
QJsonValue Position(const QString &text)
{
    if (text.isEmpty())
        return QJsonValue();
    double value = 0.0;
    try {
        value = RatioToFloat(text);
    } catch (const EKalvoError &) {
        return QJsonValue();
    }
    if (!(value > 0.0))
        return QJsonValue();
    // Only the scale's own steps: a whole ratio from 1 to 9 either way.
    const double steps = value >= 1.0 ? value : 1.0 / value;
    if (steps > 9.0 + 1e-9 || std::fabs(steps - std::round(steps)) > 1e-9)
        return QJsonValue();
    const int step = int(std::lround(steps)) - 1;
    return value >= 1.0 ? -step : step;
}

const char *const Page = R"KALVO(<!DOCTYPE html>
<html><head><meta charset="utf-8"><meta name="viewport" content="width=device-width">
<title></title>
<style>
body{font-family:sans-serif;max-width:60em;margin:1em auto;padding:0 1em;color:#222}
h2{font-size:1.1em;margin-top:1.5em;border-bottom:1px solid #ccc}
.pair{display:flex;align-items:center;gap:.4em;margin:.5em 0;flex-wrap:wrap}
.item{width:12em;overflow-wrap:anywhere}.item.right{text-align:right}
.scale label{display:inline-block;text-align:center;font-size:.8em;width:2em}
.scale input{display:block;margin:0 auto}.unknown{font-size:.8em;margin-left:1em}
#progress{position:sticky;top:0;background:#fff;padding:.4em 0;font-weight:bold}
</style></head>
<body>
<h1 id="title"></h1>
<p id="about"></p>
<p id="who"></p>
<div id="progress"></div>
<div id="pairs"></div>
<p><button id="save" type="button"></button></p>
<script type="application/json" id="data">@DATA@</script>
<script>
"use strict";
const data = JSON.parse(document.getElementById("data").textContent);
const t = data.texts;
function text(tag, content, cls) { const e = document.createElement(tag); e.textContent = content; if (cls) e.className = cls; return e; }
document.title = data.model + " – " + (data.participant || t.questionnaire);
document.getElementById("title").textContent = data.model;
document.getElementById("about").textContent = t.about;
const who = document.getElementById("who");
let nameField = null;
if (data.participant) { who.textContent = t.participant + ": " + data.participant; }
else { who.append(text("label", t.name + ": ")); nameField = document.createElement("input"); nameField.id = "name"; who.append(nameField); }
const pairs = document.getElementById("pairs");
const answers = [];
data.criteria.forEach((criterion, ci) => {
  pairs.append(text("h2", criterion.path));
  criterion.pairs.forEach((pair, pi) => {
    const row = document.createElement("div"); row.className = "pair";
    row.append(text("span", pair.left, "item right"));
    const scale = document.createElement("span"); scale.className = "scale";
    const group = "p" + ci + "_" + pi;
    const answer = { column: criterion.path + ": " + pair.left + " : " + pair.right, value: pair.value };
    answers.push(answer);
    for (let position = -8; position <= 8; ++position) {
      const label = document.createElement("label");
      const input = document.createElement("input");
      input.type = "radio"; input.name = group; input.value = position;
      input.title = position < 0 ? (1 - position) + ":1" : position > 0 ? "1:" + (1 + position) : "1";
      if (pair.value === position) input.checked = true;
      input.addEventListener("change", () => { answer.value = position; count(); });
      label.append(input, text("span", String(1 + Math.abs(position))));
      scale.append(label);
    }
    row.append(scale, text("span", pair.right, "item"));
    const unknown = document.createElement("label"); unknown.className = "unknown";
    const none = document.createElement("input"); none.type = "radio"; none.name = group; none.value = "";
    if (pair.value === null) none.checked = true;
    none.addEventListener("change", () => { answer.value = null; count(); });
    unknown.append(none, text("span", " " + t.unknown));
    row.append(unknown);
    pairs.append(row);
  });
});
function count() {
  const answered = answers.filter(a => a.value !== null).length;
  document.getElementById("progress").textContent = t.progress.replace("%1", answered).replace("%2", answers.length);
}
count();
function field(value) { value = String(value); return /[;"\r\n]/.test(value) ? '"' + value.replace(/"/g, '""') + '"' : value; }
const save = document.getElementById("save");
save.textContent = t.save;
save.addEventListener("click", () => {
  const name = data.participant || (nameField ? nameField.value.trim() : "");
  if (!name) { alert(t.noName); if (nameField) nameField.focus(); return; }
  const header = ["Ime", "Utež"].concat(answers.map(a => a.column));
  const row = [name, data.weight].concat(answers.map(a => a.value === null ? "" : a.value < 0 ? (1 - a.value) + ":1" : a.value > 0 ? "1:" + (1 + a.value) : "1"));
  const csv = "\ufeff" + header.map(field).join(";") + "\r\n" + row.map(field).join(";") + "\r\n";
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([csv], { type: "text/csv;charset=utf-8" }));
  link.download = (data.model + " - " + name).replace(/[\\/:*?"<>|]/g, "_") + ".csv";
  document.body.append(link); link.click(); link.remove();
});
</script>
</body></html>
)KALVO";

} // namespace

QByteArray QuestionnaireHtml(const TModel &model, const QString &participant, bool english)
{
    int person = -1;
    for (size_t p = 0; p < model.Participants.size(); ++p)
        if (model.Participants[p].Name == participant)
            person = int(p);
    QJsonArray criteria;
    for (const TCriterionNode *node : model.Tree.Nodes()) {
        const TMatrix *m = node->Matrix.get();
        // A ratings leaf's scale is the model's own, not the group's: not asked.
        if (!m || m->Kind != ckRelative || m->Order < 2 || m->IsRatings())
            continue;
        const QStringList items = model.ItemNames(node);
        QJsonArray pairs;
        for (int r = 0; r < m->Order; ++r)
            for (int c = r + 1; c < m->Order; ++c) {
                // Their own judgement of the pair, where the model has one for them.
                QJsonValue value;
                if (person >= 0 && size_t(person) < m->Judges.size())
                    value = Position(m->Judges[size_t(person)][size_t(c)][size_t(r)]);
                pairs.append(QJsonObject{{QStringLiteral("left"), items.value(r)}, {QStringLiteral("right"), items.value(c)},
                                         {QStringLiteral("value"), value}});
            }
        criteria.append(QJsonObject{{QStringLiteral("path"), NodePath(node)}, {QStringLiteral("pairs"), pairs}});
    }
    const QJsonObject texts = english
        ? QJsonObject{{QStringLiteral("questionnaire"), QStringLiteral("Questionnaire")},
                      {QStringLiteral("about"), QStringLiteral("For each pair, choose how many times more important the item on "
                                                               "the left (the numbers on the left) or the one on the right is: "
                                                               "1 means equal, 9 extremely more important. Choose “don’t know” "
                                                               "for a pair you do not compare, then save your answers and send "
                                                               "the file back.")},
                      {QStringLiteral("participant"), QStringLiteral("Participant")},
                      {QStringLiteral("name"), QStringLiteral("Your name")},
                      {QStringLiteral("unknown"), QStringLiteral("don’t know / not compared")},
                      {QStringLiteral("progress"), QStringLiteral("%1 of %2 pairs")},
                      {QStringLiteral("save"), QStringLiteral("Save the answers")},
                      {QStringLiteral("noName"), QStringLiteral("Please enter your name.")}}
        : QJsonObject{{QStringLiteral("questionnaire"), QStringLiteral("Vprašalnik")},
                      {QStringLiteral("about"), QStringLiteral("Pri vsakem paru izberite, kolikokrat je pomembnejša postavka na levi "
                                                               "(številke na levi) ali postavka na desni: 1 pomeni enako, 9 izjemno "
                                                               "pomembnejšo. Par, ki ga ne primerjate, označite z »ne vem«, nato "
                                                               "odgovore shranite in datoteko pošljite nazaj.")},
                      {QStringLiteral("participant"), QStringLiteral("Udeleženec")},
                      {QStringLiteral("name"), QStringLiteral("Vaše ime")},
                      {QStringLiteral("unknown"), QStringLiteral("ne vem / ne primerjam")},
                      {QStringLiteral("progress"), QStringLiteral("%1 od %2 parov")},
                      {QStringLiteral("save"), QStringLiteral("Shrani odgovore")},
                      {QStringLiteral("noName"), QStringLiteral("Vpišite svoje ime.")}};
    const TCriterionNode *root = model.Tree.FirstNode();
    const QJsonObject data{{QStringLiteral("model"), root ? root->Name : QString()},
                           {QStringLiteral("participant"), participant},
                           {QStringLiteral("weight"), person >= 0 ? model.Participants[size_t(person)].Weight : 1.0},
                           {QStringLiteral("criteria"), criteria},
                           {QStringLiteral("texts"), texts}};
    // Data, not markup: "<" never closes the script element, whatever the names hold.
    QByteArray json = QJsonDocument(data).toJson(QJsonDocument::Compact);
    json.replace("<", "\\u003c").replace(">", "\\u003e").replace("&", "\\u0026");
    QByteArray page(Page);
    page.replace("@DATA@", json);
    return page;
}
