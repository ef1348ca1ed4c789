#include "ui/QtTranslation.h"

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

// Q_INIT_RESOURCE cannot be used inside a namespace; the static library's translation would
// otherwise stay unregistered.
static void registerQtTranslationResource()
{
    Q_INIT_RESOURCE(qt_translation);
}

namespace orbanil {

void installQtTranslation(QCoreApplication& app)
{
    registerQtTranslationResource();
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral(":/orbanil/qtbase_es.qm"))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

} // namespace orbanil
