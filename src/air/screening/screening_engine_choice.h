// The setting "估算模型": which engine the screening pages and qelvo-calc run on, the built-in
// engine (default) or the external SCREEN3 program. QtCore only (the program settings).
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string_view>

#include "air/screening/screening_engine.h"

class QSettings;

namespace qelvo::air {

enum class ScreeningEngineKind : int { Builtin = 0, Screen3 = 1 };

inline constexpr const char* kEngineSettingLabel = "估算模型";
// The choices as the setting shows them, in kind order.
inline constexpr std::array<std::string_view, 2> kEngineChoiceLabels{"内置", "外部SCREEN3"};
// The settings key and its values; the same words name the engines on the command line
// ("--engine builtin|screen3").
inline constexpr const char* kEngineKey = "Screening/Engine";
inline constexpr std::array<std::string_view, 2> kEngineWords{"builtin", "screen3"};

// The kind a word names, or none.
std::optional<ScreeningEngineKind> engineKindNamed(std::string_view word);

// The kind the settings hold; the built-in engine when none or an unknown one is stored.
ScreeningEngineKind chosenEngineKind(const QSettings& settings);
void setChosenEngineKind(QSettings& settings, ScreeningEngineKind kind);

// An engine of this kind; the external one runs the program findScreen3 finds (a missing
// program makes every run fail with the message that says where to put it).
std::unique_ptr<ScreeningEngine> makeScreeningEngine(ScreeningEngineKind kind, const QSettings& settings);

// The engine the settings choose.
std::unique_ptr<ScreeningEngine> chosenScreeningEngine(const QSettings& settings);

}  // namespace qelvo::air
