#pragma once

// How a group's judgements are combined: the weighted geometric mean of the
// judgements, then one matrix's weights (AIJ); or each participant's own weights,
// then their weighted geometric (AIP) or arithmetic mean (AIP-arithmetic).
enum class TGroupMethod { Aij, Aip, AipArithmetic };
