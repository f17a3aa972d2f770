// The external engine: EPA's SCREEN3 program, run once per deck.
//
// Each run gets a fresh temporary folder (removed afterwards) holding "screen3.inp", which is
// fed to the program's standard input; its listing "SCREEN.OUT" is read back with
// readListing. A run that outlasts the time limit is stopped and reported. QtCore only (the
// process runner), so the command line can use it too.
#pragma once

#include <QString>

#include "air/screening/screening_engine.h"

class QSettings;

namespace qelvo::air {

// How reports name this engine.
inline constexpr const char* kScreen3EngineName = "SCREEN3";
// SCREEN3 keeps at most this many distances in one run (automated ranges and discrete
// distances together); more overwrite its memory and give wrong rows.
inline constexpr int kScreen3DistanceLimit = 50;
// A run still going after this long is stopped, ms.
inline constexpr int kScreen3TimeLimitMs = 120'000;

// Where SCREEN3 is looked for, in this order: the environment variable, the program settings,
// the program's name beside ours, the PATH.
inline constexpr const char* kScreen3Variable = "QELVO_SCREEN3";
inline constexpr const char* kScreen3PathKey = "Screening/Screen3Path";
inline constexpr const char* kScreen3ProgramName = "screen3";

// The folder our own program lies in.
QString ownProgramFolder();

// The SCREEN3 program to run, or empty when none is found.
QString findScreen3(const QSettings& settings, const QString& programFolder = ownProgramFolder());

// The message for a missing SCREEN3: where to put it.
std::string screen3MissingMessage(const QString& programFolder = ownProgramFolder());

class Screen3ProgramEngine : public ScreeningEngine {
public:
    // `program` empty: every run fails with screen3MissingMessage().
    explicit Screen3ProgramEngine(QString program) : program_(std::move(program)) {}

    std::string name() const override { return kScreen3EngineName; }
    int distanceLimit() const override { return kScreen3DistanceLimit; }
    ScreeningOutcome run(const std::string& deck, const std::function<bool()>& cancelled = {}) override;

    const QString& program() const { return program_; }

private:
    QString program_;
};

}  // namespace qelvo::air
