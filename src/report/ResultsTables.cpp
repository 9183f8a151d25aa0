#include "report/ResultsTables.h"

#include "analysis/Synthesis.h"

#include "analysis/Ranking.h"
#include "model/Model.h"
#include "model/NodePath.h"

#include <QLocale>
#include <QSet>

#include <algorithm>
#include <map>

namespace {

// A sheet's name as spreadsheets take it: at most 31 characters, none of []:*?/\,
// and not one already used (compared without case).
QString SheetName(const QString &wanted, QSet<QString> &used)
{
    QString base = wanted;
    for (const QChar ch : QStringLiteral("[]:*?/\\"))
        base.replace(ch, QLatin1Char('_'));
    base = base.trimmed();
    if (base.isEmpty())
        base = QStringLiteral("Matrika");
    QString name = base.left(31);
    for (int n = 2; used.contains(name.toLower()); ++n) {
        const QString suffix = QStringLiteral(" (%1)").arg(n);
        name = base.left(31 - suffix.size()) + suffix;
    }
    used.insert(name.toLower());
    return name;
}

double LocalWeight(const TCriterionNode *node, const TCriterionNode *start)
{
    if (node == start || !node->Parent() || !node->Parent()->Matrix)
        return node == start ? 1.0 : 0.0;
    const std::vector<double> &vector = node->Parent()->Matrix->Vector;
    const size_t i = size_t(node->Index());
    return i < vector.size() ? vector[i] : 0.0;
}

} // namespace

std::vector<TResultsTable> ResultsTables(const TModel &model, bool matrices)
{
    TCriterionNode *start = model.Tree.Selected() ? model.Tree.Selected() : model.Tree.FirstNode();
    std::vector<const TCriterionNode *> nodes, leaves;
    std::map<const TCriterionNode *, double> global;
    if (start)
        for (const TCriterionNode *node : TCriteriaTree::Subtree(start)) {
            nodes.push_back(node);
            global[node] = node == start ? 1.0 : global[node->Parent()] * LocalWeight(node, start);
            if (!node->HasChildren())
                leaves.push_back(node);
        }

    TResultsTable results{QStringLiteral("Rezultati"), {}};
    std::vector<QVariant> header{QStringLiteral("Rešitev"), QStringLiteral("Skupaj"), QStringLiteral("Mesto")};
    for (const TCriterionNode *leaf : leaves) {
        if (leaf->Matrix && leaf->Matrix->IsRatings())
            header.push_back(NodePath(leaf) + QStringLiteral(" (ocena)"));
        header.push_back(NodePath(leaf) + QStringLiteral(" (lokalno)"));
        header.push_back(NodePath(leaf) + QStringLiteral(" (globalno)"));
    }
    results.Rows.push_back(header);
    std::vector<double> scores;
    for (const TSolution &solution : model.Solutions)
        scores.push_back(solution.Score);
    const std::vector<int> ranks = CompetitionRanks(scores);
    for (int k = 0; k < model.SolutionCount(); ++k) {
        std::vector<QVariant> row{model.Solutions[size_t(k)].Name, model.Solutions[size_t(k)].Score,
                                  ranks[size_t(k)]};
        for (const TCriterionNode *leaf : leaves) {
            const TMatrix *m = leaf->Matrix.get();
            if (m && m->IsRatings()) {
                const qint32 rating = size_t(k) < m->Scale->Ratings.size() ? m->Scale->Ratings[size_t(k)] : -1;
                row.push_back(rating < 0 ? QVariant() : QVariant(m->Scale->Intensities[size_t(rating)]));
            }
            // What the leaf gives the solution in the model's mode (a rating: its ideal value).
            const double local = m ? LeafContribution(*m, k, model.IdealMode) : 0.0;
            row.push_back(local);
            row.push_back(global[leaf] * local);
        }
        results.Rows.push_back(row);
    }

    TResultsTable weights{QStringLiteral("Uteži"), {}};
    weights.Rows.push_back({QStringLiteral("Kriterij"), QStringLiteral("Lokalna utež"), QStringLiteral("Globalna utež"),
                            QStringLiteral("lambda"), QStringLiteral("CI"), QStringLiteral("CR")});
    for (const TCriterionNode *node : nodes) {
        std::vector<QVariant> row{NodePath(node), LocalWeight(node, start), global[node]};
        if (const TMatrix *m = node->Matrix.get(); m && m->Kind == ckRelative) {
            row.push_back(m->Lambda);
            row.push_back(m->CI);
            row.push_back(m->Order <= 10 ? QVariant(m->CR) : QVariant());
        }
        weights.Rows.push_back(row);
    }

    // What a reader needs to trust the numbers: how and from where they were computed.
    const int marked = model.MarkedSolution;
    TResultsTable about{QStringLiteral("Model"), {
        {QStringLiteral("Podatek"), QStringLiteral("Vrednost")},
        {QStringLiteral("Model"), model.Tree.FirstNode() ? model.Tree.FirstNode()->Name : QString()},
        {QStringLiteral("Začetni kriterij"), start ? NodePath(start) : QString()},
        {QStringLiteral("Metoda"), model.ExactMethod ? QStringLiteral("natančna (8. potenca matrike)")
                                                     : QStringLiteral("približna (normirani stolpci)")},
        {QStringLiteral("Način"), model.IdealMode ? QStringLiteral("idealni (deleži lista deljeni z najboljšim)")
                                                  : QStringLiteral("distributivni (deleži lista se seštejejo v 1)")},
        {QStringLiteral("Označena rešitev"),
         marked >= 0 && marked < model.SolutionCount() ? model.Solutions[size_t(marked)].Name : QString()},
    }};

    std::vector<TResultsTable> tables{results, weights, about};
    QSet<QString> used{QStringLiteral("rezultati"), QStringLiteral("uteži"), QStringLiteral("model")};
    for (const TCriterionNode *node : matrices ? nodes : std::vector<const TCriterionNode *>()) {
        const TMatrix *m = node->Matrix.get();
        if (!m || m->Kind != ckRelative || m->Order == 0)
            continue;
        TResultsTable table{SheetName(node->Name, used), {}};
        const QStringList items = model.ItemNames(node);
        std::vector<QVariant> top{NodePath(node)};
        for (int c = 0; c < m->Order; ++c)
            top.push_back(items.value(c));
        table.Rows.push_back(top);
        for (int r = 0; r < m->Order; ++r) {
            std::vector<QVariant> row{items.value(r)};
            for (int c = 0; c < m->Order; ++c)
                row.push_back(m->CellValue(c, r));
            table.Rows.push_back(row);
        }
        tables.push_back(table);
    }
    // Every row has the header's fields, so that a CSV reader sees no ragged rows.
    for (TResultsTable &table : tables)
        for (std::vector<QVariant> &row : table.Rows)
            row.resize(std::max(row.size(), table.Rows.front().size()));
    return tables;
}

QByteArray ResultsCsv(const std::vector<TResultsTable> &tables)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const QChar separator = locale.decimalPoint() == QLatin1String(",") ? QLatin1Char(';') : QLatin1Char(',');
    QString out;
    for (size_t t = 0; t < tables.size(); ++t) {
        if (t > 0)
            out += QStringLiteral("\r\n");
        for (const std::vector<QVariant> &row : tables[t].Rows) {
            QStringList fields;
            for (const QVariant &cell : row) {
                QString text = cell.typeId() == QMetaType::Double
                    ? locale.toString(cell.toDouble(), 'g', QLocale::FloatingPointShortest) : cell.toString();
                if (text.contains(separator) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n'))
                    || text.contains(QLatin1Char('\r')))
                    text = QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
                fields << text;
            }
            out += fields.join(separator) + QStringLiteral("\r\n");
        }
    }
    return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
}
