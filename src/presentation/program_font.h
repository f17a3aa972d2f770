// The program's font at 9 pt, with a Simplified Chinese family for the Chinese texts so that
// no Japanese glyph variants are chosen. Used by the windows and by pictures drawn without them.
#pragma once

#include <QFont>
#include <QStringList>

namespace qelvo::ui {

QFont programFont();

}  // namespace qelvo::ui
