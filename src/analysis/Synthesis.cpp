#include "analysis/Synthesis.h"

#include <QCoreApplication>

#include "matrix/FloatMath.h"
#include "matrix/KalvoError.h"
#include "model/Group.h"
#include "model/NodePath.h"
#include "analysis/Ranking.h"
#include "analysis/SynthesisCache.h"
#include "matrix/Completion.h"
#include "matrix/GroupJudgement.h"
#include "matrix/Conversions.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

void ComputeOnce(TCriterionNode *node, bool exactMethod, TSynthesisCache *cache)
{
    if (cache && cache->IsComputed(node))
        return;
    WithContext([node] { return CriterionPlace(node); }, [&] { node->Matrix->Compute(exactMethod); });
    if (cache)
        cache->SetComputed(node);
}

QString FormatStatusNumber(const char *label, double value)
{
    return QString::fromLatin1(label) + FormatFloat4(value);
}

} // namespace

int RoundHalfEven(double value)
{
    const double rounded = std::nearbyint(value);   // the default rounding mode is to even
    if (!(rounded > double(std::numeric_limits<int>::min())))
        return std::numeric_limits<int>::min();
    if (!(rounded < double(std::numeric_limits<int>::max())))
        return std::numeric_limits<int>::max();
    return int(rounded);
}

double LeafContribution(const TMatrix &leaf, int k, bool idealMode)
{
    if (leaf.IsRatings()) {
        // Whatever the mode and the other solutions: the rated intensity's ideal value.
        const std::vector<qint32> &ratings = leaf.Scale->Ratings;
        return k >= 0 && size_t(k) < ratings.size() ? leaf.IdealValue(ratings[size_t(k)]) : 0.0;
    }
    if (k < 0 || size_t(k) >= leaf.Vector.size())
        return 0.0;
    if (!idealMode)
        return leaf.Vector[size_t(k)];
    const double best = *std::max_element(leaf.Vector.begin(), leaf.Vector.end());
    return Divide(leaf.Vector[size_t(k)], best);
}

double Analyze(TCriterionNode *node, int k, bool exactMethod, TSynthesisCache *cache, bool idealMode)
{
    if (!node || !node->Matrix)
        return 0.0;
    ComputeOnce(node, exactMethod, cache);
    const TMatrix &m = *node->Matrix;

    if (node->HasChildren()) {
        double s = 0.0;
        // By index: walking siblings one by one costs a search each, quadratic in the children.
        for (qint32 i = 0; i < m.Order; ++i) {
            const double weight = size_t(i) < m.Vector.size() ? m.Vector[size_t(i)] : 0.0;
            s = Checked(s + Checked(Analyze(node->Child(i), k, exactMethod, cache, idealMode) * weight));
        }
        return s;
    }
    // A leaf weighs the solutions; a solution its vector does not reach yet counts 0.
    return LeafContribution(m, k, idealMode);
}

TStatusLine StatusFor(const TCriterionNode *node)
{
    if (!node)
        return TStatusLine();
    return StatusFor(node->Name, node->Matrix.get());
}

TStatusLine StatusFor(const QString &name, const TMatrix *matrix)
{
    TStatusLine status;
    status.Panels[0] = name;
    if (!matrix)
        return status;
    const TMatrix &m = *matrix;
    switch (m.Kind) {
    case ckRelative:
        status.Panels[1] = QCoreApplication::translate("Kalvo", "Matrika %1x%1").arg(m.Order);
        if (m.Order > 2) {
            status.Panels[2] = FormatStatusNumber("lambda= ", m.Lambda);
            status.Panels[3] = FormatStatusNumber("CI= ", m.CI);
            // Without a random index there is no CR: a dash, not an invented 0.
            const bool known = HasRandomIndex(m.Order);
            status.Panels[4] = known ? FormatStatusNumber("CR= ", m.CR) : QCoreApplication::translate("Kalvo", "CR= –");
            if ((known ? m.CR : m.CI) > MaxDThreshold) {
                status.Panels[5] = FormatStatusNumber("MaxD= ", m.MaxD);
                status.Panels[6] = QStringLiteral("(%1,%2)").arg(m.MaxDRow).arg(m.MaxDCol);
            }
            status.Emphasis = m.CR > AcceptableCR;
        }
        break;
    case ckLessIsBetter:
    case ckMoreIsBetter:
        status.Panels[1] = QCoreApplication::translate("Kalvo", "Vektor");
        status.Panels[2] = QCoreApplication::translate("Kalvo", "Absolutne vrednosti");
        status.Panels[3] = m.Kind == ckLessIsBetter ? QCoreApplication::translate("Kalvo", "Manj je bolje")
                                                    : QCoreApplication::translate("Kalvo", "Več je bolje");
        break;
    default:
        break;
    }
    return status;
}

void ComputeSubcriterionBars(TModel &model)
{
    TCriterionNode *selected = model.Tree.Selected();
    if (!selected)
        return;
    std::vector<TSubcriterionBar> bars(size_t(selected->ChildCount()));
    const TMatrix *m = selected->Matrix.get();
    for (int i = 0; i < selected->ChildCount() && m; ++i) {
        const double weight = size_t(i) < m->Vector.size() ? m->Vector[size_t(i)] : 0.0;
        bars[size_t(i)].Position = RoundHalfEven(weight * 100.0);
        bars[size_t(i)].ValueText = FormatFloat4(weight);
        bars[size_t(i)].Name = selected->Child(i)->Name;
    }
    model.SubcriterionBars = std::move(bars);
}

std::vector<double> AipVector(const TModel &model, const TMatrix &matrix)
{
    const std::vector<std::optional<TMatrix>> own =
        ComputedJudgeMatrices(matrix, model.Participants.size(), model.ExactMethod);
    const bool geometric = model.GroupMethod == TGroupMethod::Aip;
    std::vector<double> sum(size_t(matrix.Order), 0.0);
    double say = 0.0;
    for (size_t p = 0; p < own.size(); ++p) {
        const double weight = model.Participants[p].Weight;
        if (!own[p] || !(weight > 0.0))
            continue;   // their pairs do not determine weights: no say here
        say += weight;
        for (qint32 i = 0; i < matrix.Order && size_t(i) < own[p]->Vector.size(); ++i)
            sum[size_t(i)] += weight * (geometric ? std::log(own[p]->Vector[size_t(i)]) : own[p]->Vector[size_t(i)]);
    }
    if (!(say > 0.0))
        return {};
    double total = 0.0;
    for (double &x : sum) {
        x = geometric ? std::exp(x / say) : x / say;
        total += x;
    }
    for (double &x : sum)
        x = Divide(x, total);
    return sum;
}

void PrepareGroupMatrices(const TModel &model, TCriterionNode *start, int participant)
{
    std::vector<double> weights = ParticipantWeights(model);
    if (participant >= 0) {
        weights.assign(weights.size(), 0.0);
        if (size_t(participant) < weights.size())
            weights[size_t(participant)] = 1.0;
    }
    for (TCriterionNode *node : TCriteriaTree::Subtree(start)) {
        if (!node->Matrix)
            continue;
        TMatrix &m = *node->Matrix;
        if (m.Kind != ckRelative || m.Judges.empty() || weights.empty())
            m.Given.clear();
        else if (participant >= 0)
            WithContext([node] { return CriterionPlace(node); }, [&] {
                const TMatrix own = JudgeMatrix(m, size_t(participant));
                m.Given = AggregateJudgements({&own}, {1.0}, m.Order);
            });
        else
            WithContext([node] { return CriterionPlace(node); }, [&] {
                m.Given = GroupAggregate(model, m);
                m.GivenVector = model.GroupMethod == TGroupMethod::Aij ? std::vector<double>() : AipVector(model, m);
            });
        if (participant >= 0 || m.Given.empty())
            m.GivenVector.clear();
    }
}

void CheckComparisonGraphs(const TModel &model, TCriterionNode *start)
{
    for (TCriterionNode *node : TCriteriaTree::Subtree(start)) {
        if (!node->Matrix)
            continue;
        WithContext([node] { return CriterionPlace(node); }, [&] {
            const std::optional<TCompletion> completion = BlankPairsOf(*node->Matrix);
            if (!completion || completion->Connected())
                return;
            QString message = DisconnectedMessage(*completion, model.ItemNames(node));
            // A group's matrix (a new item nobody judged yet): who should judge that pair.
            if (!node->Matrix->Given.empty()) {
                QStringList who;
                for (const TParticipant &participant : model.Participants)
                    if (participant.Weight > 0.0)
                        who << participant.Name;
                message += QCoreApplication::translate("Kalvo", " Presodi naj ga kdo od udeležencev: %1.").arg(who.join(QStringLiteral(", ")));
            }
            throw EKalvoError(EKalvoError::ekUndetermined, message);
        });
    }
}

namespace {

// Analyze for every solution at once: a node's scores are its children's, weighed,
// in the same order of sums (so the same numbers), without a walk per solution.
std::vector<double> ScoresOfAll(TCriterionNode *node, size_t solutions, bool exactMethod, TSynthesisCache &cache,
                                bool idealMode)
{
    std::vector<double> scores(solutions, 0.0);
    if (!node || !node->Matrix)
        return scores;
    ComputeOnce(node, exactMethod, &cache);
    const TMatrix &m = *node->Matrix;
    if (node->HasChildren()) {
        for (qint32 i = 0; i < m.Order; ++i) {
            const double weight = size_t(i) < m.Vector.size() ? m.Vector[size_t(i)] : 0.0;
            const std::vector<double> child = ScoresOfAll(node->Child(i), solutions, exactMethod, cache, idealMode);
            for (size_t k = 0; k < solutions; ++k)
                scores[k] = Checked(scores[k] + Checked(child[k] * weight));
        }
        return scores;
    }
    return LeafContributions(m, int(solutions), idealMode);
}

// The start criterion's status line as participant judges it, when the group
// judges it: their own matrix's figures ("Matrika 3x3 · Ana"), or that their
// pairs do not determine weights; their blank pairs and the pair to ask next.
std::optional<TStatusLine> ParticipantStatus(const TModel &model, const TCriterionNode *start, int participant)
{
    if (participant < 0 || size_t(participant) >= model.Participants.size() || !start || !start->Matrix
        || start->Matrix->Kind != ckRelative || start->Matrix->Judges.empty())
        return std::nullopt;
    TMatrix own = JudgeMatrix(*start->Matrix, size_t(participant));
    TStatusLine status;
    try {
        WithContext([start] { return CriterionPlace(start); }, [&] { own.Compute(model.ExactMethod); });
        status = StatusFor(start->Name, &own);
    } catch (const EKalvoError &e) {
        if (e.kind() != EKalvoError::ekUndetermined)
            throw;
        status.Panels[0] = start->Name;
        status.Panels[1] = QCoreApplication::translate("Kalvo", "Uteži niso določene");
    }
    status.Panels[1] += QStringLiteral(" · ") + model.Participants[size_t(participant)].Name;
    if (const std::optional<TCompletion> completion = BlankPairsOf(own))
        AddBlankPairs(status, *completion, model.ItemNames(start));
    return status;
}

} // namespace

bool HasRatingsUnder(const TCriterionNode *start)
{
    if (!start)
        return false;
    for (const TCriterionNode *node : TCriteriaTree::Subtree(const_cast<TCriterionNode *>(start)))
        if (!node->HasChildren() && node->Matrix && node->Matrix->IsRatings())
            return true;
    return false;
}


std::vector<double> LeafContributions(const TMatrix &leaf, int solutions, bool idealMode)
{
    std::vector<double> out(size_t(std::max(solutions, 0)), 0.0);
    if (leaf.IsRatings()) {
        for (int k = 0; k < solutions; ++k)
            out[size_t(k)] = LeafContribution(leaf, k, idealMode);
        return out;
    }
    // One best share for the leaf, not one search per solution.
    const double best = idealMode && !leaf.Vector.empty() ? *std::max_element(leaf.Vector.begin(), leaf.Vector.end()) : 1.0;
    for (size_t k = 0; k < out.size() && k < leaf.Vector.size(); ++k)
        out[k] = idealMode ? Divide(leaf.Vector[k], best) : leaf.Vector[k];
    return out;
}

std::vector<double> ScoresOfTotals(const std::vector<double> &totals, bool normalise)
{
    if (!normalise)
        return totals;
    double sum = 0.0;
    for (double total : totals)
        sum = Checked(sum + total);
    std::vector<double> scores(totals.size(), 0.0);
    if (sum == 0.0)
        return scores;
    for (size_t k = 0; k < totals.size(); ++k)
        scores[k] = Divide(totals[k], sum);
    return scores;
}

namespace {

// Every solution's score under start from the matrices as they are prepared now;
// a matrix the cache holds is not computed again.
std::vector<double> ScoresUnder(TModel &model, TCriterionNode *start, TSynthesisCache &cache)
{
    CheckComparisonGraphs(model, start);
    // The start criterion is computed even without solutions: its status line and
    // bars show its judgements as they are now.
    if (start && start->Matrix)
        ComputeOnce(start, model.ExactMethod, &cache);
    if (model.SolutionCount() == 0)
        return {};
    return ScoresOfAll(start, size_t(model.SolutionCount()), model.ExactMethod, cache, model.IdealMode);
}

// The matrices a run computed that no participant's judgements change (measured
// values, a model's own ratios).
void KeepShared(TSynthesisCache &shared, const TSynthesisCache &run, TCriterionNode *start)
{
    for (TCriterionNode *node : TCriteriaTree::Subtree(start))
        if (run.IsComputed(node) && node->Matrix->Given.empty() && node->Matrix->Judges.empty())
            shared.SetComputed(node);
}

} // namespace


void AnalyzeAll(TModel &model, int participant, TParticipantRanksMemo *memo)
{
    TCriterionNode *start = model.Tree.Selected() ? model.Tree.Selected() : model.Tree.FirstNode();

    // Each participant's own ranking, their judgements alone; one whose judgements
    // do not determine weights (their pairs fall apart) has none.
    std::vector<std::vector<int>> ranks(model.Participants.size());
    TSynthesisCache shared;   // what every participant's run shares is computed once
    if (memo && memo->Ranks.size() != model.Participants.size())
        memo->Ranks.assign(model.Participants.size(), std::nullopt);
    for (size_t p = 0; p < model.Participants.size(); ++p) {
        if (memo && memo->Ranks[p]) {
            ranks[p] = *memo->Ranks[p];
            continue;
        }
        PrepareGroupMatrices(model, start, int(p));
        try {
            TSynthesisCache run = shared;
            ranks[p] = CompetitionRanks(ScoresUnder(model, start, run));   // totals rank as scores do
            KeepShared(shared, run, start);
        } catch (const EKalvoError &) {
            ranks[p].clear();
        }
        if (memo)
            memo->Ranks[p] = ranks[p];
    }
    // The shown participant's status line is their own matrix's, whatever they have
    // judged below it.
    const std::optional<TStatusLine> own = ParticipantStatus(model, start, participant);

    // A group's matrices are the aggregate of its participants' judgements.
    PrepareGroupMatrices(model, start);
    const std::vector<double> totals = ScoresUnder(model, start, shared);   // the last run: shared is its own
    const std::vector<double> scores = ScoresOfTotals(totals, model.IdealMode || HasRatingsUnder(start));

    // Every computation succeeded: only now does anything the user sees change.
    for (int k = 0; k < model.SolutionCount(); ++k) {
        TSolution &solution = model.Solutions[size_t(k)];
        solution.Total = totals[size_t(k)];
        solution.Score = scores[size_t(k)];
        solution.ValueText = FormatFloat4(solution.Score);
        solution.Ranks.clear();
        for (const std::vector<int> &participantRanks : ranks)
            solution.Ranks.push_back(participantRanks.empty() ? 0 : participantRanks[size_t(k)]);
    }
    if (own) {
        model.Status = *own;
    } else {
        model.Status = StatusFor(start);
        AddBlankPairs(model.Status, model, start);
    }
    AddConsensus(model.Status, model, start);
    ComputeSubcriterionBars(model);
}

std::optional<EKalvoError> RefreshResults(TModel &model, int participant, TParticipantRanksMemo *memo)
{
    try {
        AnalyzeAll(model, participant, memo);
        model.Undetermined = false;
        return std::nullopt;
    } catch (const EKalvoError &e) {
        const TCriterionNode *start = model.Tree.Selected() ? model.Tree.Selected() : model.Tree.FirstNode();
        for (TSolution &solution : model.Solutions) {
            solution.Score = 0.0;
            solution.ValueText = QStringLiteral("–");
            solution.Ranks.clear();
        }
        for (TSubcriterionBar &bar : model.SubcriterionBars) {
            bar.Position = 0;
            bar.ValueText = QStringLiteral("–");
        }
        model.Status = TStatusLine();
        if (start) {
            model.Status.Panels[0] = start->Name;
            model.Status.Panels[1] = QCoreApplication::translate("Kalvo", "Uteži niso določene");
        }
        // One line: where, then what ("Kriterij »Avto«: Nobena primerjava …").
        const QString message = e.message();
        const qsizetype end = message.indexOf(QLatin1Char('\n'));
        model.Status.BlankPairs = end < 0 ? message : message.mid(end + 1) + QStringLiteral(": ") + message.left(end);
        const std::optional<TCompletion> completion =
            start && start->Matrix ? TryBlankPairsOf(*start->Matrix) : std::nullopt;
        if (completion && !completion->Connected())
            if (const auto next = completion->NextPair()) {
                model.Status.NextRow = next->first + 1;
                model.Status.NextCol = next->second + 1;
            }
        model.Undetermined = true;
        return e;
    }
}

void AddConsensus(TStatusLine &status, const TModel &model, const TCriterionNode *node)
{
    if (!node || !node->Matrix || node->Matrix->Given.empty())
        return;
    const TMatrix &m = *node->Matrix;
    std::vector<std::vector<double>> vectors;
    // whose judgements do not determine weights has no say in the consensus
    for (const std::optional<TMatrix> &own : ComputedJudgeMatrices(m, model.Participants.size(), model.ExactMethod))
        if (own)
            vectors.push_back(own->Vector);
    if (vectors.size() < 2)
        return;
    const double consensus = ConsensusIndex(vectors);
    status.Consensus = QCoreApplication::translate("Kalvo", "Soglasje udeležencev: %1 % (%2)")
                           .arg(QLocale().toString(consensus * 100.0, 'f', 0), ConsensusWord(consensus));
}

void AddBlankPairs(TStatusLine &status, const TModel &model, const TCriterionNode *node)
{
    if (const std::optional<TCompletion> completion = node && node->Matrix ? BlankPairsOf(*node->Matrix) : std::nullopt)
        AddBlankPairs(status, *completion, model.ItemNames(node));
}

void AddBlankPairs(TStatusLine &status, const TCompletion &completion, const QStringList &items)
{
    status.BlankPairs = QCoreApplication::translate("Kalvo", "Neprimerjani pari: %1").arg(completion.Blank().size());
    if (const auto next = completion.NextPair()) {
        status.BlankPairs += QCoreApplication::translate("Kalvo", ". Naslednja primerjava: »%1« : »%2«")
                                 .arg(items.value(next->first), items.value(next->second));
        status.NextRow = next->first + 1;
        status.NextCol = next->second + 1;
    }
}
