#include "generator/class_tables.h"

namespace ga {
namespace {

constexpr int kRegionTableCount = kLastRegionSource - kFirstRegionSource + 1;

// Made by tools/make-region-tables from the answers of the region tables.
// clang-format off
constexpr RegionRow kRegionRows[kRegionTableCount][kRegionRowsPerTable] = {
    {
#include "generator/data/regions_2.inc"
    },
    {
#include "generator/data/regions_3.inc"
    },
    {
#include "generator/data/regions_4.inc"
    },
    {
#include "generator/data/regions_5.inc"
    },
    {
#include "generator/data/regions_6.inc"
    },
    {
#include "generator/data/regions_7.inc"
    },
    {
#include "generator/data/regions_8.inc"
    },
    {
#include "generator/data/regions_9.inc"
    },
};
// clang-format on

}  // namespace

RegionTable regionTable(int source) {
    if (!isRegionSource(source)) return {nullptr, nullptr};
    return {classAnswer(source), kRegionRows[source - kFirstRegionSource]};
}

}  // namespace ga
