#pragma once

#include "model/Model.h"

// A model of 64 leaf criteria under 8 inner ones, the leaves valuing `solutions`
// solutions by measured values, the inner criteria judged by ratio texts.
void BuildGeneratedModel(TModel &model, int solutions);

// The same tree whose 64 leaves rate the solutions on the default scale of five
// intensities (some solutions not rated).
void BuildRatedModel(TModel &model, int solutions);
