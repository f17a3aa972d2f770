#include "tools/pages/geo_distance_page.h"

namespace qelvo::ui {

GeoDistancePage* createGeoDistancePage(QWidget* parent)
{
    return new GeoDistancePage(tools::geoDistanceCalculator(), {QStringLiteral("两点经纬度计算距离")}, parent);
}

}  // namespace qelvo::ui
