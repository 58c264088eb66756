#pragma once

class QTranslator;

namespace tamb {

// The application as the program runs it: title, help pages, German
// standard dialogs (through `qtTranslator`, which must outlive the
// application), the program's font and F1 help.
void SetUpApplication(QTranslator &qtTranslator);

} // namespace tamb
