// Planted for the layering test: storage must not include analysis.
#include "analysis/Synthesis.h"
