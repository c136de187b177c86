#include "app/search_lists.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace app;

namespace {

TEST(SearchLists, HaveThePanelsSizesAndNoDuplicateValues) {
    EXPECT_EQ(CategoryCaptions.size(), 26u);
    EXPECT_EQ(SortKeys.size(), 5u);
    EXPECT_EQ(CreditValues.size(), 20u);
    EXPECT_EQ(LocationCaptions.size(), 63u);
    EXPECT_EQ(ServiceFilters.size(), 7u);
    for (const auto& column :
         {std::set<std::string_view>(CategoryIds.begin(), CategoryIds.end()),
          std::set<std::string_view>(CategoryCaptions.begin(), CategoryCaptions.end())}) {
        EXPECT_EQ(column.size(), 26u);
    }
    EXPECT_EQ(std::set<std::string_view>(CreditValues.begin(), CreditValues.end()).size(), 20u);
    EXPECT_EQ(std::set<std::string_view>(LocationCaptions.begin(), LocationCaptions.end()).size(), 63u);
}

TEST(SearchLists, LocationsAreTheRegionsThenThePlaces) {
    EXPECT_EQ(LocationCaptions[0], "所有地区");
    EXPECT_EQ(LocationCaptions[4], "海外");
    EXPECT_EQ(LocationCaptions[5], "北京");
    EXPECT_EQ(LocationCaptions[62], "浙江");
    EXPECT_EQ(AreaValues[0], "");
}

}  // namespace
