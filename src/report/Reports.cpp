#include "report/Reports.h"

#include "analysis/Synthesis.h"
#include "storage/TextFiles.h"
#include "matrix/FloatMath.h"
#include "matrix/Conversions.h"

#include <QStringList>

#include <cmath>
#include <functional>

namespace {

const QString TableLine = QStringLiteral(R"(<TABLE border="1" width="100%" cellspacing="0" cellpadding="0">)");
const QString RowStart = QStringLiteral("<TR>");
const QString RowEnd = QStringLiteral("</TR>");
const QString TableEnd = QStringLiteral("</TABLE>");

// Names and cell texts are the user's: written as text, never as markup (a name
// such as "Žale <i>z</i>" or "<!-- x" would otherwise change the rest of the page).
QString Html(const QString &text)
{
    return text.toHtmlEscaped();
}

QString PlainCell(const QString &text)
{
    return QStringLiteral("<TD><center>") + text + QStringLiteral("</center></TD>");
}

QString BoldCell(const QString &text)
{
    return QStringLiteral("<TD><B><center>") + text + QStringLiteral("</center></B></TD>");
}

// Reports are read by people only: a character outside the code page becomes "?".
QByteArray Lines(const QStringList &lines)
{
    return EncodeLines(lines, TUnencodable::Question);
}

// The order a report reads for a node: its matrix's, none counting as 0.
int OrderOf(const TCriterionNode *node)
{
    return node && node->Matrix ? node->Matrix->Order : 0;
}

QString RatioAt(const TCriterionNode *node, int c, int r)
{
    return Html(node->Matrix->RatioText(c, r));
}

using TCell = QString (*)(const QString &);

// The heading cells (the table's first row is already open) and the rows of a
// comparison table: a label, then the ratio texts as stored.
void ComparisonRows(QStringList &lines, const TCriterionNode *node, const QStringList &labels, TCell heading,
                    TCell rowLabel)
{
    const int n = OrderOf(node);
    for (int k = 0; k < n; ++k)
        lines << heading(Html(labels.value(k)));
    lines << RowEnd;
    for (int r = 0; r < n; ++r) {
        lines << RowStart << rowLabel(Html(labels.value(r)));
        for (int c = 0; c < n; ++c)
            lines << PlainCell(RatioAt(node, c, r));
        lines << RowEnd;
    }
    lines << RowEnd;
}

QStringList ModelReportLines(const TModel &model)
{
    const TCriterionNode *root = model.Tree.FirstNode();
    const QStringList labels = root ? model.ItemNames(root) : QStringList();
    QStringList lines{QStringLiteral("<HTML>"), QStringLiteral("<BODY>"),
                      QStringLiteral("<Center><B>Model - ") + (root ? Html(root->Name) : QString())
                          + QStringLiteral("<BR></B></center>"),
                      TableLine, QStringLiteral("<BR></BR>"),
                      QStringLiteral("<TR><TD><center>Tabela primerjav</center></TD>")};
    ComparisonRows(lines, root, labels, PlainCell, PlainCell);
    lines << TableEnd << QStringLiteral("</BODY>") << QStringLiteral("</HTML>");
    return lines;
}

// One working table of the Debug reports: heading, rows of four-decimal cells.
void DebugTable(QStringList &lines, const char *heading, int rows, int columns,
                const std::function<QString(int r, int c)> &cell)
{
    lines << QStringLiteral("<BR><center><B><I>** %1 **</I></B></center>").arg(QString::fromLatin1(heading))
          << TableLine;
    for (int r = 0; r < rows; ++r) {
        lines << RowStart;
        for (int c = 0; c < columns; ++c)
            lines << PlainCell(cell(r, c));
        lines << RowEnd;
    }
    lines << TableEnd;
}

void DebugTables(QStringList &lines, const TMatrix &m)
{
    const int n = m.Order;
    DebugTable(lines, "Matrika", n, n, [&](int r, int c) {
        return FormatFloat4(m.IsCompleted(c, r) ? m.Completed[size_t(r) * size_t(n) + size_t(c)]
                                                : RatioToFloat(m.RatioText(c, r)));
    });
    // A power of another order (never computed since the order changed) shows empty cells.
    const bool powered = m.PoweredMatrix.size() > size_t(n)
                         && (n == 0 || m.PoweredMatrix[0].size() > size_t(n));
    DebugTable(lines, "Potencirana matrika", n, n, [&](int r, int c) {
        return powered ? FormatFloat4(m.PoweredMatrix[size_t(c)][size_t(r)]) : QString();
    });
    DebugTable(lines, "Lastni vektor", 1, n, [&](int, int c) { return FormatFloat4(m.Vector[size_t(c)]); });
    // A weight of 0 has no consistent ratio to show.
    DebugTable(lines, "Prava matrika", n, n, [&](int r, int c) {
        return m.Vector[size_t(c)] == 0.0 ? QString()
                                          : FormatFloat4(Divide(m.Vector[size_t(r)], m.Vector[size_t(c)]));
    });
}

QStringList CriterionReportLines(const TModel &model)
{
    const TCriterionNode *s = model.Tree.Selected();
    if (!s)
        return ModelReportLines(model);
    QStringList lines{QStringLiteral("<HTML>"), QStringLiteral("<BODY>")};
    const QStringList labels = model.ItemNames(s);
    const int n = OrderOf(s);
    const TCriterionKind kind = s->Matrix ? s->Matrix->Kind : ckRelative;
    if (kind == ckRelative) {
        lines << QStringLiteral("<center><B>Kriterij - ") + Html(s->Name) + QStringLiteral("</center></B>") << TableLine
              << QStringLiteral("<TR><TD><B><center>") + Html(s->Name) + QStringLiteral("</center></B></TD>");
        // Sub-criteria head the columns in bold, solutions plain; row labels are bold.
        ComparisonRows(lines, s, labels, s->HasChildren() ? BoldCell : PlainCell, BoldCell);
        lines << TableEnd;
        if (model.DebugMode && s->Matrix)
            DebugTables(lines, *s->Matrix);
    } else {
        lines << QStringLiteral("<BR><center><B>Absolutni kriterij - ") + Html(s->Name) + QStringLiteral(" </center></B>")
              << TableLine;
        if (kind == ckLessIsBetter)
            lines << QStringLiteral("<TR><TD><center>Manj je boljše</center></TD></TR>");
        else if (kind == ckMoreIsBetter)
            lines << QStringLiteral("<TR><TD><center>Več je boljše</center></TD></TR>");
        else
            lines << QStringLiteral("<TR><TD><center>Tip %1</center></TD></TR>").arg(qint32(kind));
        for (int i = 0; i < n; ++i)
            lines << QStringLiteral("<TR><TD><left>") + Html(labels.value(i)) + QStringLiteral("</left></TD>")
                  << QStringLiteral("<TD><left>") + Html(s->Matrix->AbsoluteValues[size_t(i)]) + QStringLiteral("</left></TD>")
                  << RowEnd;
    }
    lines << TableEnd << QStringLiteral("</BODY>") << QStringLiteral("</HTML>");
    return lines;
}

} // namespace

int BarCellCount(double score)
{
    // Beyond a bar fifty times the full length nothing more can be seen.
    constexpr int Limit = 10000;
    if (!std::isfinite(score))
        score = 0.0;
    int cells = 0;
    double total = 0.0;
    do {
        ++cells;
        total += 0.005;
    } while (!(total > score) && cells < Limit);
    return cells;
}

QByteArray ModelReport(const TModel &model)
{
    return Lines(ModelReportLines(model));
}

QByteArray CriterionReport(const TModel &model)
{
    return Lines(CriterionReportLines(model));
}

QByteArray SolutionsReport(const TModel &model)
{
    // The synthesis starts at the first node when nothing is selected; so does the title.
    const TCriterionNode *s = model.Tree.Selected() ? model.Tree.Selected() : model.Tree.FirstNode();
    QString text = QStringLiteral("<HTML><BODY><center><B>Resitve - ") + (s ? Html(s->Name) : QString())
                   + QStringLiteral("</B></center><BR></BR>");
    const QString cell = QStringLiteral("<td width=5>");
    std::vector<const TCriterionNode *> rated;   // the ratings leaves under the start: each solution's intensity
    if (s)
        for (const TCriterionNode *node : TCriteriaTree::Subtree(const_cast<TCriterionNode *>(s)))
            if (!node->HasChildren() && node->Matrix && node->Matrix->IsRatings())
                rated.push_back(node);
    for (int k = 0; k < model.SolutionCount(); ++k) {
        const TSolution &solution = model.Solutions[size_t(k)];
        text += Html(solution.Name) + QStringLiteral("&nbsp") + solution.ValueText
                + QStringLiteral("<TABLE table border=0 cellspacing=0 cellpadding=0 bgcolor=blue> <tr height= 15>")
                + cell.repeated(BarCellCount(solution.Score)) + QStringLiteral("</td></tr></table>");
        QStringList ratings;
        for (const TCriterionNode *leaf : rated) {
            const TRatingScale &scale = *leaf->Matrix->Scale;
            const qint32 rating = size_t(k) < scale.Ratings.size() ? scale.Ratings[size_t(k)] : -1;
            ratings << Html(leaf->Name) + QStringLiteral(": ")
                           + (rating < 0 ? QStringLiteral("ni ocenjeno") : Html(scale.Intensities[size_t(rating)]));
        }
        if (!ratings.isEmpty())
            text += QStringLiteral("<small>") + ratings.join(QStringLiteral("; ")) + QStringLiteral("</small>");
        text += QStringLiteral("<BR></BR>");
    }
    text += QStringLiteral("</BODY></HTML>");
    return EncodeWindows1250(text, TUnencodable::Question);
}

void WriteModelReport(const TModel &model, const QString &fileName)
{
    WriteFiles({{fileName, ModelReport(model)}});
}

void WriteCriterionReport(const TModel &model, const QString &fileName)
{
    WriteFiles({{fileName, CriterionReport(model)}});
}

void WriteSolutionsReport(const TModel &model, const QString &fileName)
{
    WriteFiles({{fileName, SolutionsReport(model)}});
}
