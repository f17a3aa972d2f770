// Environmental risk: release rates (leak.h), pool evaporation (pool_evaporation.h), fire and
// explosion consequences (bleve.h, pool_fire.h, jet_fire.h, vce.h) and oil film spreading
// (oil_film.h). Each model is a plain function of an input struct returning numbers; its
// `present` builds the texts, damage-distance tables and curves the pages and qelvo-calc show.
//
// Input defaults with more than six significant digits (the handbook's 41825632 J/kg) are held
// as their single-precision fields show them (4.18256e+007): the page reads back what its
// field shows, and the command line computes the same.
//
// The constants several risk models share, each written once with its source. π as 3.14159
// is kGuidelinePi (common/guideline_constants.h).
#pragma once

namespace qelvo::risk {

// Universal gas constant, J/(mol·K), as the guideline writes it (gas leak, mass evaporation).
constexpr double kGasConstant = 8.31451;

}  // namespace qelvo::risk
