#pragma once

#include <QString>

#include <optional>
#include <vector>

#include "matrix/Matrix.h"

// Judgements of a group: several participants judge the same ratio matrix.

// The group's values a(r, c), row-major (aggregation of individual judgements,
// Aczél and Saaty 1983): each off-diagonal cell the weighted geometric mean
// exp(sum v_p log a_p(r, c) / sum v_p) over the participants p who judged that
// pair (a blank pair is not part of their say; where their two cells are not
// reciprocal, log a_p(r, c) is the mean of log a_p(r, c) and -log a_p(c, r)); 0
// where nobody did, which leaves
// the pair blank for the group. The diagonal is 1. A participant's text that is
// no ratio throws, naming its cell; a weight below 0 counts as 0.
std::vector<double> AggregateJudgements(const std::vector<const TMatrix *> &participants,
                                        const std::vector<double> &weights, int order);
// One participant's judgements of a group's matrix as a matrix of their own.
TMatrix JudgeMatrix(const TMatrix &matrix, size_t participant);
// The first participants' own matrices, each computed by the method; none for one
// whose judgements do not determine weights (their pairs fall apart).
std::vector<std::optional<TMatrix>> ComputedJudgeMatrices(const TMatrix &matrix, size_t participants, bool exactMethod);
// The texts of a participant who has judged nothing yet: blank pairs, 1 on the diagonal.
TJudgeTexts UnjudgedTexts(size_t order);

// The same over a matrix's Judges.
std::vector<double> AggregateJudgements(const TMatrix &matrix, const std::vector<double> &weights);

// The consensus S* of the participants' weight vectors over the same n items
// (Goepel 2018, IJAHP 10(3), eqs. 11-21): the Shannon alpha and beta diversity of
// the vectors, rescaled so that identical vectors give 1 and vectors that each
// put a different item first at 9 (M = 9) give 0. Fewer than two vectors give 1.
double ConsensusIndex(const std::vector<std::vector<double>> &vectors);

// The geometric consistency index of a matrix of values a(r, c), row-major (0: a
// blank pair, left out): GCI = 2 / ((n - 1)(n - 2)) sum over r < c of
// (ln a(r, c) - ln w_r + ln w_c)^2, w the row geometric means over the judged
// cells (Aguarón and Moreno-Jiménez 2003). Below 3 items 0.
double GeometricConsistencyIndex(const std::vector<double> &values, int n);
// A participant's GCI on a group's matrix (their own judgements; a text that is no
// ratio throws, naming its cell).
double ParticipantGci(const TMatrix &matrix, size_t participant);
// Its usual thresholds: 0.31 for 3 items, 0.35 for 4, 0.37 above.
double GciThreshold(int n);

// The row geometric means of a matrix of values, normalised to sum 1 (blank pairs left out).
std::vector<double> RowGeometricMeans(const std::vector<double> &values, int n);

// S* in the article's five words: "zelo nizko" up to 50 %, "nizko" to 65 %,
// "zmerno" to 75 %, "visoko" to 85 %, "zelo visoko" from 85 %.
QString ConsensusWord(double consensus);
