// The program's font: a Simplified Chinese family at 9 pt, so that no Japanese glyph
// variants are chosen. Used by the windows and by pictures drawn without them.
#pragma once

#include <QFont>
#include <QStringList>

namespace qelvo::ui {

QFont programFont();

}  // namespace qelvo::ui
