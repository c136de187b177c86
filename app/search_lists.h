// The filter panel's lists and the query values they stand for: categories, sort orders, seller
// credit levels, locations and service filters. Each set is one table; the drop-down lists fill
// from the caption columns, the query builder reads the value columns, and the demo page server
// reads the same tables to understand the queries. Pure data, no library needed.
//
// Captions are exactly what the lists show, blanks included (the credit captions are padded so
// that the hearts and crowns line up in the narrow list).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace app {

// --- categories (m_cid) -------------------------------------------------------------------------

struct CategoryEntry {
    std::string_view caption;
    std::string_view id;  // position 0 is the parent category of all the others; it is never sent
};

inline constexpr std::array<CategoryEntry, 26> Categories{{
    {"女装/女士精品", "16"},
    {"连衣裙", "50010850"},
    {"T恤", "50000671"},
    {"衬衫", "162104"},
    {"裤子", "1622"},
    {"牛仔裤", "162205"},
    {"半身裙", "1623"},
    {"小背心/小吊带", "162105"},
    {"马夹", "50013196"},
    {"蕾丝衫/雪纺衫", "162116"},
    {"针织衫", "50000697"},
    {"短外套", "50011277"},
    {"西装", "50008897"},
    {"卫衣/绒衫", "50008898"},
    {"毛衣", "162103"},
    {"风衣", "50008901"},
    {"毛呢外套", "50013194"},
    {"棉衣/棉服", "50008900"},
    {"羽绒服", "50008899"},
    {"皮衣", "50008904"},
    {"皮草", "50008905"},
    {"中老年服装", "50000852"},
    {"特大特小服装", "1629"},
    {"职业套装/学生校服/工作制服", "1624"},
    {"婚纱/旗袍/礼服", "50011404"},
    {"唐装/民族服装/舞台服装", "50008906"},
}};

// --- sort orders (m_sort) -----------------------------------------------------------------------

struct SortEntry {
    std::string_view caption;
    std::string_view key;
};

inline constexpr std::array<SortEntry, 5> SortOrders{{
    {"默认排序", "commissionVolume_desc"},
    {"价格从低到高", "price_asc"},
    {"价格从高到低", "price_desc"},
    {"信用从高到低", "credit_desc"},
    {"销量从高到低", "commissionNum_desc"},
}};

// --- seller credit (m_sc and m_ec share the list) ------------------------------------------------

struct CreditEntry {
    std::string_view caption;
    std::string_view value;
};

inline constexpr std::array<CreditEntry, 20> CreditLevels{{
    {"  一  心", "1heart"},      {"  二  心", "2heart"},      {"  三  心", "3heart"},
    {"  四  心", "4heart"},      {"  五  心", "5heart"},      {"  一  钻", "1diamond"},
    {"  二  钻", "2diamond"},    {"  三  钻", "3diamond"},    {"  四  钻", "4diamond"},
    {"  五  钻", "5diamond"},    {" 一皇冠", "1crown"},       {" 二皇冠", "2crown"},
    {" 三皇冠", "3crown"},       {" 四皇冠", "4crown"},       {" 五皇冠", "5crown"},
    {" 一金冠", "1goldencrown"}, {" 二金冠", "2goldencrown"}, {" 三金冠", "3goldencrown"},
    {" 四金冠", "4goldencrown"}, {" 五金冠", "5goldencrown"},
}};

// --- locations (m_loc): five regions, then single places -----------------------------------------

struct RegionEntry {
    std::string_view caption;
    std::string_view areas;  // the places the region sends, comma-separated; empty for all regions
};

inline constexpr std::array<RegionEntry, 5> Regions{{
    {"所有地区", ""},
    {"江浙沪", "江苏,浙江,上海"},
    {"珠三角", "广州,深圳,中山,珠海,佛山,东莞,惠州"},
    {"港澳台", "香港,澳门,台湾"},
    {"海外",
     "美国,英国,法国,瑞士,澳洲,新西兰,加拿大,奥地利,韩国,日本,德国,意大利,西班牙,俄罗斯,泰国,印度,"
     "荷兰,新加坡,其它国家"},
}};

// A single place sends its own caption as its area.
inline constexpr std::array<std::string_view, 58> Places{{
    "北京", "香港", "上海", "杭州",   "广州", "深圳",   "南京", "武汉", "天津", "成都", "哈尔滨", "重庆",
    "宁波", "无锡", "济南", "苏州",   "温州", "青岛",   "沈阳", "福州", "西安", "长沙", "合肥",   "南宁",
    "南昌", "郑州", "厦门", "大连",   "常州", "石家庄", "东莞", "安徽", "福建", "甘肃", "广东",   "广西",
    "贵州", "海南", "河北", "黑龙江", "河南", "湖北",   "湖南", "江苏", "江西", "吉林", "辽宁",   "内蒙古",
    "宁夏", "青海", "山东", "山西",   "陕西", "四川",   "新疆", "西藏", "云南", "浙江",
}};

// --- service filters (the seven check boxes) -----------------------------------------------------

// In the order their parameters are appended to a query.
enum class Service {
    OverseasGoods,
    CashOnDelivery,
    AsDescribed,
    SevenDayReturn,
    Mall,
    Repair30Days,
    ConsumerProtection
};

struct ServiceEntry {
    Service service;
    std::string_view name;       // the query parameter, sent as "&<name>=true"
    std::string_view component;  // the check box of the panel
    std::string_view caption;
};

inline constexpr std::array<ServiceEntry, 7> ServiceFilters{{
    {Service::OverseasGoods, "oi", "m_oi", "海外商品"},
    {Service::CashOnDelivery, "co", "m_co", "货到付款"},
    {Service::AsDescribed, "rd", "m_rd", "如实描述"},
    {Service::SevenDayReturn, "sr", "m_sr", "七天退换"},
    {Service::Mall, "mall", "m_mall", "淘宝商城"},
    {Service::Repair30Days, "or", "m_or", "30天维修"},
    {Service::ConsumerProtection, "gu", "m_gu", "消保商品"},
}};

// The ticked service check boxes.
class ServiceSet {
  public:
    ServiceSet() = default;
    ServiceSet(std::initializer_list<Service> services) {
        for (Service s : services) {
            Add(s);
        }
    }
    bool Has(Service s) const { return (bits_ & Bit(s)) != 0; }
    ServiceSet& Add(Service s) {
        bits_ |= Bit(s);
        return *this;
    }
    ServiceSet& Remove(Service s) {
        bits_ &= uint8_t(~Bit(s));
        return *this;
    }
    bool Empty() const { return bits_ == 0; }
    friend bool operator==(ServiceSet, ServiceSet) = default;

  private:
    static uint8_t Bit(Service s) { return uint8_t(1u << unsigned(s)); }
    uint8_t bits_ = 0;
};

// The range of the two price spin edits.
inline constexpr int32_t PriceFieldMin = 0;
inline constexpr int32_t PriceFieldMax = 99999999;

constexpr const ServiceEntry& ServiceFilter(Service service) {
    return ServiceFilters[size_t(service)];
}

// --- columns generated from the tables ------------------------------------------------------------

namespace detail {
template <typename Entry, size_t N, typename Field>
constexpr std::array<std::string_view, N> Column(const std::array<Entry, N>& table, Field Entry::*field) {
    std::array<std::string_view, N> column{};
    for (size_t i = 0; i < N; ++i) {
        column[i] = table[i].*field;
    }
    return column;
}

constexpr std::array<std::string_view, Regions.size() + Places.size()> LocationColumn() {
    std::array<std::string_view, Regions.size() + Places.size()> column{};
    for (size_t i = 0; i < Regions.size(); ++i) {
        column[i] = Regions[i].caption;
    }
    for (size_t i = 0; i < Places.size(); ++i) {
        column[Regions.size() + i] = Places[i];
    }
    return column;
}

constexpr bool ServicesInEnumOrder() {
    for (size_t i = 0; i < ServiceFilters.size(); ++i) {
        if (size_t(ServiceFilters[i].service) != i) {
            return false;
        }
    }
    return true;
}
}  // namespace detail

inline constexpr auto CategoryCaptions = detail::Column(Categories, &CategoryEntry::caption);
inline constexpr auto CategoryIds = detail::Column(Categories, &CategoryEntry::id);
inline constexpr auto SortCaptions = detail::Column(SortOrders, &SortEntry::caption);
inline constexpr auto SortKeys = detail::Column(SortOrders, &SortEntry::key);
inline constexpr auto CreditCaptions = detail::Column(CreditLevels, &CreditEntry::caption);
inline constexpr auto CreditValues = detail::Column(CreditLevels, &CreditEntry::value);
inline constexpr auto AreaValues = detail::Column(Regions, &RegionEntry::areas);
inline constexpr auto LocationCaptions = detail::LocationColumn();
inline constexpr auto ServiceCaptions = detail::Column(ServiceFilters, &ServiceEntry::caption);

// Positions from which a location is a single place rather than a region.
inline constexpr int FirstPlacePosition = int(Regions.size());

static_assert(LocationCaptions.size() == 63);
static_assert(detail::ServicesInEnumOrder(), "Service must list the filters in the table's order");
static_assert(size_t(Service::ConsumerProtection) + 1 == ServiceFilters.size());

}  // namespace app
