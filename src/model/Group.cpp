#include "model/Group.h"

#include <QCoreApplication>

#include "matrix/Completion.h"
#include "matrix/GroupJudgement.h"
#include "matrix/KalvoError.h"
#include "model/Model.h"
#include "model/NodePath.h"

QString ParticipantCount(int count)
{
    return QCoreApplication::translate("Kalvo", "%n udeležencev", nullptr, count);
}

std::vector<double> ParticipantWeights(const TModel &model)
{
    std::vector<double> weights;
    for (const TParticipant &participant : model.Participants)
        weights.push_back(participant.Weight);
    return weights;
}

std::vector<double> GroupAggregate(const TModel &model, const TMatrix &matrix)
{
    return AggregateJudgements(matrix, ParticipantWeights(model));
}

TGroup GroupOf(const TModel &model)
{
    TGroup group;
    group.Participants = model.Participants;
    for (const TCriterionNode *node : model.Tree.Nodes())
        if (node->Matrix && !node->Matrix->Judges.empty())
            group.Judges.emplace_back(TCriteriaTree::IndexPath(node), node->Matrix->Judges);
    return group;
}

void CheckGroupDetermines(const TModel &model, const TGroup &group)
{
    std::vector<double> weights;
    for (const TParticipant &participant : group.Participants)
        weights.push_back(participant.Weight);
    for (const auto &entry : group.Judges) {
        const TCriterionNode *node = model.Tree.NodeAt(entry.first);
        if (!node || !node->Matrix || node->Matrix->Kind != ckRelative)
            continue;
        WithContext([node] { return CriterionPlace(node); }, [&] {
            TMatrix m = *node->Matrix;
            m.Judges = entry.second;
            const TCompletion completion(m.Order, AggregateJudgements(m, weights));
            if (!completion.Connected())
                throw EKalvoError(EKalvoError::ekUndetermined, DisconnectedMessage(completion, model.ItemNames(node)));
        });
    }
}

void SetGroup(TModel &model, const TGroup &group)
{
    model.Participants = group.Participants;
    for (TCriterionNode *node : model.Tree.Nodes())
        if (node->Matrix)
            node->Matrix->Judges.clear();
    for (const auto &[path, judges] : group.Judges)
        if (TCriterionNode *node = model.Tree.NodeAt(path); node && node->Matrix)
            node->Matrix->Judges = judges;
}

QString GroupMethodName(TGroupMethod method)
{
    switch (method) {
    case TGroupMethod::Aij: return QStringLiteral("aij");
    case TGroupMethod::Aip: return QStringLiteral("aip");
    case TGroupMethod::AipArithmetic: return QStringLiteral("aip-arithmetic");
    }
    return QString();
}

std::optional<TGroupMethod> GroupMethodNamed(const QString &name)
{
    for (auto method : {TGroupMethod::Aij, TGroupMethod::Aip, TGroupMethod::AipArithmetic})
        if (GroupMethodName(method) == name)
            return method;
    return std::nullopt;
}
