// Planted for the layering test: a circle of two units.
#include "matrix/Other.h"
