// The three settings written at every start ("Version", "AppName", "URL" in the group
// "Settings" of organisation "Qelvo"). Nothing reads them; other tools may.
#pragma once

class QSettings;

namespace qelvo::ui {

void writeStartupSettings(QSettings& settings);

}  // namespace qelvo::ui
