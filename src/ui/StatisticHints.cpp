#include "StatisticHints.h"

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

QString statisticHint(StatisticKind kind) {
    switch (kind) {
    case StatisticKind::NumberFrequency:
        return u"Verteilung der gezogenen Zahlen"_s;
    case StatisticKind::OverdueNumbers:
        return u"Erzeugt die Grafik für die Ausstehenden Zahlen"_s;
    case StatisticKind::PowerballFrequency:
        return u"Powerball"_s;
    case StatisticKind::OverduePowerballs:
        return u"wie lange sind die einzelnen Sternzahlen überfällig"_s;
    case StatisticKind::Pairs:
        return u"Erzeugen der Grafik für die Paarbildung der Zahlen"_s;
    case StatisticKind::Triples:
        return u"Erzeugen der Grafik für die Bildung von Dreiergruppen der Zahlen"_s;
    case StatisticKind::Quads:
        return u"Erzeugen der Grafik für die Bildung von Viergruppen der Zahlen"_s;
    case StatisticKind::CrossSums:
        return u"QS"_s;
    case StatisticKind::TipDistribution:
        return u"Verteilung der Tipps"_s;
    }
    return {};
}

} // namespace powerball::ui
