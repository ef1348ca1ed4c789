#pragma once

class QCoreApplication;

namespace orbanil {

// Puts Qt's own texts (the message boxes' buttons, the fields' context menu) in Spanish,
// whatever the system's language, from Qt's translation compiled into the program.
void installQtTranslation(QCoreApplication& app);

} // namespace orbanil
