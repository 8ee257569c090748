#include "planfile/StarterPlans.h"
#include <QCoreApplication>
#include <QFile>

// Q_INIT_RESOURCE declares a function of its own and so must stand outside any namespace; a
// static library's resources are registered only when asked for.
static void initStarterResources() {
    Q_INIT_RESOURCE(starters);
}

namespace orvella::planfile {

const QList<StarterPlan>& starterPlans() {
    static const QList<StarterPlan> list = {
        {"boat-launch",
         QT_TRANSLATE_NOOP("StarterPlans", "Launching and retrieving boats and trailers")},
        {"stream-survey",
         QT_TRANSLATE_NOOP("StarterPlans", "Stream survey by wading and electrofishing")},
        {"heavy-equipment",
         QT_TRANSLATE_NOOP("StarterPlans", "Heavy equipment on a road, culvert or stream "
                                           "crossing job")},
        {"wildland-fire",
         QT_TRANSLATE_NOOP("StarterPlans", "Wildland or prescribed fire: engines, pumps, water "
                                           "drafting, tools")},
        {"fish-stocking", QT_TRANSLATE_NOOP("StarterPlans", "Stocking fish from a hatchery truck")},
        {"restoration-planting",
         QT_TRANSLATE_NOOP("StarterPlans",
                           "Planting and seeding for restoration: nursery stock, seed, mulch, "
                           "soil")},
    };
    return list;
}

QString starterSummary(const StarterPlan& starter) {
    return QCoreApplication::translate("StarterPlans", starter.summary);
}

QByteArray starterPlanFile(const QString& name, bool spanish) {
    static const bool ready = (initStarterResources(), true);
    (void)ready;
    for (const StarterPlan& s : starterPlans()) {
        if (name != QLatin1String(s.name))
            continue;
        QFile file(QStringLiteral(":/starters/%1/%2.xml")
                       .arg(spanish ? QStringLiteral("es") : QStringLiteral("en"), name));
        if (file.open(QIODevice::ReadOnly))
            return file.readAll();
    }
    return {};
}

} // namespace orvella::planfile
