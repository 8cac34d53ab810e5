// The global format settings every formatting and parsing routine uses by default.
#include "platform/runtime/FormatSettings.h"

namespace vcl {

TFormatSettings FormatSettings;

void ResetFormatSettings() { FormatSettings = TFormatSettings::Default(); }

}  // namespace vcl
