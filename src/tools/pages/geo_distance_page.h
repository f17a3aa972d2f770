// "两点经纬度算距离" page.
#pragma once

#include "presentation/form_page.h"
#include "tools/geo_distance.h"

namespace qelvo::ui {

using GeoDistancePage = ModelPage<tools::GeoDistanceInput, tools::GeoDistanceResult>;

GeoDistancePage* createGeoDistancePage(QWidget* parent);

}  // namespace qelvo::ui
